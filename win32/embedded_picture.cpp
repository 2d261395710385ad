// SPDX-License-Identifier: MIT
#include "embedded_picture.h"

#include <wincodec.h>

#include <cstdint>
#include <vector>

namespace kalvora::win32 {
namespace {

// Releases a COM interface when it goes out of scope.
template <typename Interface>
class Held {
public:
    Held() = default;
    Held(const Held&) = delete;
    Held& operator=(const Held&) = delete;
    ~Held() {
        if (pointer_) pointer_->Release();
    }
    Interface** Out() { return &pointer_; }
    Interface* operator->() const { return pointer_; }
    Interface* Get() const { return pointer_; }

private:
    Interface* pointer_ = nullptr;
};

// Larger sides are no picture of this program; the limit also keeps the pixel count far from
// overflowing the buffer arithmetic.
constexpr UINT kLargestSide = 8192;

// The imaging factory, made on first use and kept for the program's life. COM is initialised for
// the thread that asks first (the window thread); when another apartment model was set before,
// COM is usable as it is. The factory of the first version of the imaging component is asked for,
// the one Windows 7 has.
IWICImagingFactory* Factory() {
    static IWICImagingFactory* const factory = [] {
        CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED | COINIT_DISABLE_OLE1DDE);
        IWICImagingFactory* made = nullptr;
        if (FAILED(CoCreateInstance(CLSID_WICImagingFactory1, nullptr, CLSCTX_INPROC_SERVER,
                                    IID_IWICImagingFactory, reinterpret_cast<void**>(&made))))
            return static_cast<IWICImagingFactory*>(nullptr);
        return made;
    }();
    return factory;
}

// The decoded picture as rows of blue, green, red and alpha bytes from the top, or empty.
std::vector<BYTE> DecodeBgra(IWICImagingFactory* factory, const void* bytes, std::size_t size, UINT& width,
                             UINT& height) {
    Held<IWICStream> stream;
    Held<IWICBitmapDecoder> decoder;
    Held<IWICBitmapFrameDecode> frame;
    Held<IWICFormatConverter> converter;
    if (FAILED(factory->CreateStream(stream.Out())) ||
        FAILED(stream->InitializeFromMemory(static_cast<BYTE*>(const_cast<void*>(bytes)), DWORD(size))) ||
        FAILED(factory->CreateDecoderFromStream(stream.Get(), nullptr, WICDecodeMetadataCacheOnDemand,
                                                decoder.Out())) ||
        FAILED(decoder->GetFrame(0, frame.Out())) ||
        FAILED(factory->CreateFormatConverter(converter.Out())) ||
        FAILED(converter->Initialize(frame.Get(), GUID_WICPixelFormat32bppBGRA, WICBitmapDitherTypeNone,
                                     nullptr, 0.0, WICBitmapPaletteTypeCustom)) ||
        FAILED(converter->GetSize(&width, &height)))
        return {};
    if (width == 0 || height == 0 || width > kLargestSide || height > kLargestSide) return {};
    std::vector<BYTE> pixels(std::size_t(width) * height * 4);
    if (FAILED(converter->CopyPixels(nullptr, width * 4, UINT(pixels.size()), pixels.data()))) return {};
    return pixels;
}

}  // namespace

HBITMAP DecodePicture(const void* bytes, std::size_t size) {
    if (!bytes || size == 0 || size > MAXDWORD) return nullptr;
    IWICImagingFactory* factory = Factory();
    if (!factory) return nullptr;
    UINT width = 0, height = 0;
    const std::vector<BYTE> pixels = DecodeBgra(factory, bytes, size, width, height);
    if (pixels.empty()) return nullptr;

    // A bottom-up 24-bit section, the kind of bitmap the pictures were embedded as before.
    BITMAPINFO info{};
    info.bmiHeader.biSize = sizeof(info.bmiHeader);
    info.bmiHeader.biWidth = LONG(width);
    info.bmiHeader.biHeight = LONG(height);
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 24;
    info.bmiHeader.biCompression = BI_RGB;
    void* bits = nullptr;
    HBITMAP bitmap = CreateDIBSection(nullptr, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
    if (!bitmap || !bits) {
        if (bitmap) DeleteObject(bitmap);
        return nullptr;
    }
    const std::size_t stride = (std::size_t(width) * 3 + 3) & ~std::size_t(3);
    auto* rows = static_cast<BYTE*>(bits);
    for (UINT y = 0; y < height; ++y) {
        const BYTE* from = pixels.data() + std::size_t(y) * width * 4;
        BYTE* to = rows + std::size_t(height - 1 - y) * stride;
        for (UINT x = 0; x < width; ++x, from += 4, to += 3) {
            const bool opaque = from[3] >= 128;
            to[0] = opaque ? from[0] : 192;
            to[1] = opaque ? from[1] : 192;
            to[2] = opaque ? from[2] : 192;
        }
    }
    return bitmap;
}

HBITMAP LoadEmbeddedPicture(HMODULE module, LPCWSTR name) {
    HRSRC resource = FindResourceW(module, name, RT_RCDATA);
    HGLOBAL loaded = resource ? LoadResource(module, resource) : nullptr;
    const void* bytes = loaded ? LockResource(loaded) : nullptr;
    return bytes ? DecodePicture(bytes, SizeofResource(module, resource)) : nullptr;
}

}  // namespace kalvora::win32
