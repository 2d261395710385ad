// SPDX-License-Identifier: MIT
#include "dialog_builder.h"

#include <cstring>

namespace kalvora::win32 {
namespace {

// Appends little-endian values and texts; items start on DWORD boundaries.
class TemplateWriter {
public:
    void Word(WORD value) { Append(&value, sizeof value); }
    void Dword(DWORD value) { Append(&value, sizeof value); }
    void Short(short value) { Append(&value, sizeof value); }
    void Text(const std::wstring& text) { Append(text.c_str(), (text.size() + 1) * sizeof(wchar_t)); }
    void AlignToDword() {
        while (bytes_.size() % 4) bytes_.push_back(0);
    }
    std::vector<DWORD> Finish() {
        AlignToDword();
        std::vector<DWORD> words(bytes_.size() / 4);
        std::memcpy(words.data(), bytes_.data(), bytes_.size());
        return words;
    }

private:
    void Append(const void* data, std::size_t size) {
        const auto* p = static_cast<const unsigned char*>(data);
        bytes_.insert(bytes_.end(), p, p + size);
    }
    std::vector<unsigned char> bytes_;
};

}  // namespace

std::vector<DWORD> BuildDialogTemplate(const DialogLayout& dialog) {
    TemplateWriter out;
    out.Word(1);       // dlgVer
    out.Word(0xFFFF);  // signature of the extended format
    out.Dword(0);      // help id
    out.Dword(dialog.exStyle);
    out.Dword(dialog.style | (dialog.font ? DS_SETFONT : 0));
    out.Word(WORD(dialog.items.size()));
    out.Short(dialog.x);
    out.Short(dialog.y);
    out.Short(dialog.cx);
    out.Short(dialog.cy);
    out.Word(0);  // no menu
    out.Word(0);  // the dialog class
    out.Text(dialog.title);
    if (dialog.font) {
        out.Word(dialog.font->pointSize);
        out.Word(dialog.font->weight);
        // The italic byte, then the character set byte: the default set, the texts being Unicode.
        out.Word(WORD((dialog.font->italic ? 1 : 0) | (DEFAULT_CHARSET << 8)));
        out.Text(dialog.font->face);
    }
    for (const DialogItem& item : dialog.items) {
        out.AlignToDword();
        out.Dword(0);  // help id
        out.Dword(item.exStyle);
        out.Dword(item.style);
        out.Short(item.x);
        out.Short(item.y);
        out.Short(item.cx);
        out.Short(item.cy);
        out.Dword(DWORD(item.id));
        out.Word(0xFFFF);
        out.Word(WORD(item.controlClass));
        out.Text(item.text);
        out.Word(0);  // no creation data
    }
    return out.Finish();
}

}  // namespace kalvora::win32
