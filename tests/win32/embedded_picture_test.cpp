// SPDX-License-Identifier: MIT
// The pictures kalvora.exe carries compressed: every help picture the catalogue, the panels and the
// field commands name, and every picture a form control shows, decodes at its own size and, where
// the program has one, at exactly twice it; bytes that are no whole picture decode to nothing.
#include "embedded_picture.h"

#include <gtest/gtest.h>
#include <windows.h>

#include <set>
#include <string>
#include <vector>

#include "calc/catalogue.h"
#include "model/geometry.h"
#include "model/panel_data.h"
#include "model/shell_data.h"
#include "program_driver.h"
#include "view.h"

namespace kalvora::win32::test {
namespace {

// kalvora.exe of the build folder, loaded for its resources only.
class ProgramResources {
public:
    ProgramResources()
        : module_(LoadLibraryExW((BuildFolder() + L"\\kalvora.exe").c_str(), nullptr,
                                 LOAD_LIBRARY_AS_DATAFILE | LOAD_LIBRARY_AS_IMAGE_RESOURCE)) {}
    ~ProgramResources() {
        if (module_) FreeLibrary(module_);
    }
    ProgramResources(const ProgramResources&) = delete;
    ProgramResources& operator=(const ProgramResources&) = delete;
    HMODULE Module() const { return module_; }

private:
    HMODULE module_;
};

// The size of picture `name`, or 0 x 0 when it does not load.
SIZE PictureSize(HMODULE module, LPCWSTR name) {
    HBITMAP picture = LoadEmbeddedPicture(module, name);
    BITMAP description{};
    if (picture) GetObjectW(picture, sizeof description, &description);
    if (picture) DeleteObject(picture);
    return {description.bmWidth, description.bmHeight};
}

std::set<int> HelpPictureIds() {
    std::set<int> ids;
    for (const FormDefinition* form : Catalogue())
        if (form->help != HelpAction::None && form->helpBitmapId != 0) ids.insert(form->helpBitmapId);
    for (const FieldCommand& command : kFieldCommands) {
        if (command.helpBitmapId) ids.insert(*command.helpBitmapId);
        for (const PanelLabel& label : PanelFor(command.field).labels)
            if (label.helpBitmapId != 0) ids.insert(label.helpBitmapId);
    }
    return ids;
}

std::set<std::wstring> FormPictureNames() {
    std::set<std::wstring> names;
    for (const FormDefinition* form : Catalogue())
        for (const ControlDefinition& control : form->dialog.controls)
            if (control.kind == ControlKind::Picture) {
                const std::string_view text = form->InitialText(control);
                names.insert(std::wstring(text.begin(), text.end()));
            }
    return names;
}

void ExpectPlainAndDouble(HMODULE module, LPCWSTR plainName, LPCWSTR doubleName, const std::string& label) {
    const SIZE plain = PictureSize(module, plainName);
    EXPECT_GT(plain.cx, 0) << label << " does not decode";
    EXPECT_GT(plain.cy, 0) << label << " does not decode";
    const SIZE doubled = PictureSize(module, doubleName);
    EXPECT_TRUE(IsDoubleSize(plain.cx, plain.cy, doubled.cx, doubled.cy))
        << label << ": " << plain.cx << " x " << plain.cy << ", its double " << doubled.cx << " x "
        << doubled.cy;
}

TEST(EmbeddedPictures, EveryHelpPictureDecodesAtBothSizes) {
    ProgramResources program;
    ASSERT_NE(program.Module(), nullptr);
    const std::set<int> ids = HelpPictureIds();
    ASSERT_FALSE(ids.empty());
    for (int id : ids)
        ExpectPlainAndDouble(program.Module(), MAKEINTRESOURCEW(id),
                             MAKEINTRESOURCEW(kDoubleSizeResources + id),
                             "help picture " + std::to_string(id));
}

TEST(EmbeddedPictures, EveryFormPictureDecodesAtBothSizes) {
    ProgramResources program;
    ASSERT_NE(program.Module(), nullptr);
    const std::set<std::wstring> names = FormPictureNames();
    ASSERT_FALSE(names.empty());
    for (const std::wstring& name : names)
        ExpectPlainAndDouble(program.Module(), name.c_str(), (name + L"_2X").c_str(),
                             std::string(name.begin(), name.end()));
}

// A damaged or foreign resource gives no bitmap rather than a crash or a half-filled one.
TEST(EmbeddedPictures, BytesThatAreNoWholePictureDecodeToNothing) {
    ProgramResources program;
    ASSERT_NE(program.Module(), nullptr);
    const int id = *HelpPictureIds().begin();
    HRSRC resource = FindResourceW(program.Module(), MAKEINTRESOURCEW(id), RT_RCDATA);
    ASSERT_NE(resource, nullptr);
    const auto* bytes = static_cast<const char*>(LockResource(LoadResource(program.Module(), resource)));
    const std::string whole(bytes, SizeofResource(program.Module(), resource));
    HBITMAP complete = DecodePicture(whole.data(), whole.size());
    ASSERT_NE(complete, nullptr) << "the untouched picture must decode for the cases below to mean anything";
    DeleteObject(complete);

    std::string wrongChunk = whole;
    wrongChunk[12] = 'X';  // the header chunk's type no longer names it
    const struct {
        const char* name;
        std::string bytes;
    } cases[] = {
        {"no bytes", ""},
        {"its signature only", whole.substr(0, 8)},
        {"its first half", whole.substr(0, whole.size() / 2)},
        {"a bitmap file's signature", "BM" + whole.substr(2)},
        {"a damaged header chunk", wrongChunk},
    };
    for (const auto& c : cases) {
        HBITMAP picture = DecodePicture(c.bytes.data(), c.bytes.size());
        EXPECT_EQ(picture, nullptr) << c.name;
        if (picture) DeleteObject(picture);
    }
}

}  // namespace
}  // namespace kalvora::win32::test
