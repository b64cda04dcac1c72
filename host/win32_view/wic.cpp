#include "wic.h"

#include <wincodec.h>

#include <utility>

namespace ctrlelem_view {
namespace {

// Releases a COM interface when it goes out of scope.
template <class T>
class Com {
 public:
  Com() = default;
  ~Com() {
    if (pointer_) pointer_->Release();
  }
  Com(const Com&) = delete;
  Com& operator=(const Com&) = delete;
  T** out() { return &pointer_; }
  T* operator->() const { return pointer_; }
  T* get() const { return pointer_; }

 private:
  T* pointer_ = nullptr;
};

HRESULT Factory(Com<IWICImagingFactory>& factory) {
  return CoCreateInstance(CLSID_WICImagingFactory, nullptr, CLSCTX_INPROC_SERVER,
                          IID_IWICImagingFactory, reinterpret_cast<void**>(factory.out()));
}

std::wstring Hex(HRESULT result) {
  wchar_t text[16];
  wsprintfW(text, L"0x%08lX", static_cast<unsigned long>(result));
  return text;
}

}  // namespace

HBITMAP DecodeImageFile(const std::wstring& file) {
  Com<IWICImagingFactory> factory;
  Com<IWICBitmapDecoder> decoder;
  Com<IWICBitmapFrameDecode> frame;
  Com<IWICFormatConverter> converter;
  if (FAILED(Factory(factory)) ||
      FAILED(factory->CreateDecoderFromFilename(file.c_str(), nullptr, GENERIC_READ,
                                                WICDecodeMetadataCacheOnDemand, decoder.out())) ||
      FAILED(decoder->GetFrame(0, frame.out())) ||
      FAILED(factory->CreateFormatConverter(converter.out())) ||
      FAILED(converter->Initialize(frame.get(), GUID_WICPixelFormat32bppPBGRA,
                                   WICBitmapDitherTypeNone, nullptr, 0,
                                   WICBitmapPaletteTypeCustom))) {
    return nullptr;
  }
  UINT width = 0, height = 0;
  // Pictures far beyond any window are refused rather than allocated.
  constexpr UINT kLargestSide = 16384;
  if (FAILED(converter->GetSize(&width, &height)) || width == 0 || height == 0 ||
      width > kLargestSide || height > kLargestSide) {
    return nullptr;
  }
  BITMAPINFO info{};
  info.bmiHeader.biSize = sizeof info.bmiHeader;
  info.bmiHeader.biWidth = static_cast<LONG>(width);
  info.bmiHeader.biHeight = -static_cast<LONG>(height);
  info.bmiHeader.biPlanes = 1;
  info.bmiHeader.biBitCount = 32;
  info.bmiHeader.biCompression = BI_RGB;
  void* bits = nullptr;
  HBITMAP bitmap = CreateDIBSection(nullptr, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
  if (!bitmap) return nullptr;
  const UINT stride = width * 4;
  if (FAILED(converter->CopyPixels(nullptr, stride, stride * height, static_cast<BYTE*>(bits)))) {
    DeleteObject(bitmap);
    return nullptr;
  }
  return bitmap;
}

std::wstring WritePng(HBITMAP bitmap, const std::wstring& file) {
  Com<IWICImagingFactory> factory;
  Com<IWICBitmap> source;
  Com<IWICStream> stream;
  Com<IWICBitmapEncoder> encoder;
  Com<IWICBitmapFrameEncode> frame;
  Com<IPropertyBag2> properties;
  HRESULT result = Factory(factory);
  const auto failed = [&](const wchar_t* step) {
    return file + L": cannot be written (" + step + L": " + Hex(result) + L")";
  };
  if (FAILED(result)) return failed(L"imaging component");
  // Captures are opaque: the alpha channel of a DC's pixels means nothing.
  if (FAILED(result = factory->CreateBitmapFromHBITMAP(bitmap, nullptr, WICBitmapIgnoreAlpha,
                                                       source.out()))) {
    return failed(L"bitmap");
  }
  UINT width = 0, height = 0;
  source->GetSize(&width, &height);
  if (FAILED(result = factory->CreateStream(stream.out())) ||
      FAILED(result = stream->InitializeFromFilename(file.c_str(), GENERIC_WRITE))) {
    return failed(L"open");
  }
  if (FAILED(result = factory->CreateEncoder(GUID_ContainerFormatPng, nullptr, encoder.out())) ||
      FAILED(result = encoder->Initialize(stream.get(), WICBitmapEncoderNoCache)) ||
      FAILED(result = encoder->CreateNewFrame(frame.out(), properties.out())) ||
      FAILED(result = frame->Initialize(properties.get())) ||
      FAILED(result = frame->SetSize(width, height))) {
    return failed(L"encoder");
  }
  WICPixelFormatGUID format = GUID_WICPixelFormat24bppBGR;
  if (FAILED(result = frame->SetPixelFormat(&format)) ||
      FAILED(result = frame->WriteSource(source.get(), nullptr)) ||
      FAILED(result = frame->Commit()) || FAILED(result = encoder->Commit())) {
    return failed(L"encode");
  }
  return {};
}

}  // namespace ctrlelem_view
