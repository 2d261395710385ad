// SPDX-License-Identifier: MIT
// Every picture the catalogue or the field commands name decodes from kalvora.exe at its own size
// and at exactly twice it; bytes that are no whole picture decode to nothing.
#include "embedded_picture.h"

#include <gtest/gtest.h>

#include <set>
#include <string>

#include "calc/catalogue.h"
#include "model/geometry.h"
#include "model/shell_data.h"
#include "program_driver.h"
#include "view.h"

namespace kalvora::win32::test {
namespace {

// Resource names of every picture and of its double ("#N" names resource number N).
std::set<std::pair<std::wstring, std::wstring>> PictureNames() {
    std::set<int> ids;
    std::set<std::pair<std::wstring, std::wstring>> names;
    for (const FormDefinition* form : Catalogue()) {
        if (form->help != HelpAction::None) ids.insert(form->helpBitmapId);
        for (const ControlDefinition& control : form->dialog.controls)
            if (control.kind == ControlKind::Picture) {
                const std::string_view text = form->InitialText(control);
                names.insert({{text.begin(), text.end()}, std::wstring(text.begin(), text.end()) + L"_2X"});
            }
    }
    for (const FieldCommand& command : kFieldCommands) ids.insert(command.helpBitmapId.value_or(0));
    ids.erase(0);  // shows no picture
    for (int id : ids)
        names.insert({L"#" + std::to_wstring(id), L"#" + std::to_wstring(kDoubleSizeResources + id)});
    return names;
}

SIZE PictureSize(HMODULE module, const std::wstring& name) {
    BITMAP description{};
    if (HBITMAP picture = LoadEmbeddedPicture(module, name.c_str())) {
        GetObjectW(picture, sizeof description, &description);
        DeleteObject(picture);
    }
    return {description.bmWidth, description.bmHeight};
}

TEST(EmbeddedPictures, DecodeAtTheirOwnSizeAndTwiceIt) {
    HMODULE program =
        LoadLibraryExW((BuildFolder() + L"\\kalvora.exe").c_str(), nullptr, LOAD_LIBRARY_AS_DATAFILE);
    ASSERT_NE(program, nullptr);
    const auto names = PictureNames();
    EXPECT_GT(names.size(), 1u);
    for (const auto& [plainName, doubleName] : names) {
        const SIZE plain = PictureSize(program, plainName), doubled = PictureSize(program, doubleName);
        EXPECT_TRUE(plain.cx > 0 && IsDoubleSize(plain.cx, plain.cy, doubled.cx, doubled.cy))
            << std::string(plainName.begin(), plainName.end()) << ": " << plain.cx << " x " << plain.cy;
    }

    // A damaged or foreign resource gives no bitmap rather than a crash or a half-filled one.
    HRSRC resource = FindResourceW(program, names.begin()->first.c_str(), RT_RCDATA);
    ASSERT_NE(resource, nullptr);
    const std::string whole(static_cast<const char*>(LockResource(LoadResource(program, resource))),
                            SizeofResource(program, resource));
    for (const std::string& bytes : {std::string(), whole.substr(0, 8), whole.substr(0, whole.size() / 2)}) {
        HBITMAP picture = DecodePicture(bytes.data(), bytes.size());
        EXPECT_EQ(picture, nullptr) << bytes.size() << " of " << whole.size() << " bytes";
        if (picture) DeleteObject(picture);
    }
    FreeLibrary(program);
}

}  // namespace
}  // namespace kalvora::win32::test
