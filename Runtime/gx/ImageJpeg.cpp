// JPEG files through libjpeg-turbo. Its errors leave by longjmp, so every jump lands in a small
// function whose frame holds nothing with a destructor, and the pixel memory is owned by the
// caller above it. libjpeg pads a cut or damaged file with grey and reports success after a mere
// warning; those warnings count as corrupt here. Its working memory is capped, and a progressive
// file is stopped after kMaxScans scans, since each scan can cost a pass over the whole image.
#include <bit>
#include <csetjmp>
#include <cstdio>  // jpeglib.h needs FILE
#include <cstring>

// clang-format off
#include <jpeglib.h>
#include <jerror.h>
// clang-format on

#include "gx/ImageDecode.h"

namespace gx::decode {

namespace {

constexpr long kWorkingMemory = 256L << 20;
constexpr int kMaxScans = 100;

struct JpegErrors {
  jpeg_error_mgr manager;  // first, so that cinfo->err points at the whole
  std::jmp_buf jump;
  int32_t status;
};

JpegErrors& errorsOf(j_common_ptr cinfo) { return *reinterpret_cast<JpegErrors*>(cinfo->err); }

[[noreturn]] void fail(j_common_ptr cinfo, int32_t status) {
  errorsOf(cinfo).status = status;
  std::longjmp(errorsOf(cinfo).jump, 1);
}

[[noreturn]] void errorExit(j_common_ptr cinfo) {
  switch (cinfo->err->msg_code) {
    case JERR_OUT_OF_MEMORY:
    case JERR_NO_BACKING_STORE:
    case JERR_IMAGE_TOO_BIG:
    case JERR_WIDTH_OVERFLOW:
      fail(cinfo, kImageTooLarge);
    case JERR_CONVERSION_NOTIMPL:  // CMYK and other colour spaces with no RGB conversion
      fail(cinfo, kImageUnknownFormat);
    default:
      fail(cinfo, kImageCorrupt);
  }
}

// Warnings (level -1) that mean the data is damaged or cut short; other messages are dropped.
void emitMessage(j_common_ptr cinfo, int level) {
  if (level >= 0) return;
  switch (cinfo->err->msg_code) {
    case JWRN_JPEG_EOF:
    case JWRN_HIT_MARKER:
    case JWRN_EXTRANEOUS_DATA:
    case JWRN_HUFF_BAD_CODE:
    case JWRN_ARITH_BAD_CODE:
    case JWRN_MUST_RESYNC:
    case JWRN_BOGUS_PROGRESSION:
    case JWRN_NOT_SEQUENTIAL:
      fail(cinfo, kImageCorrupt);
    default:
      return;
  }
}

void outputMessage(j_common_ptr) {}

void progress(j_common_ptr cinfo) {
  if (!cinfo->is_decompressor) return;
  if (reinterpret_cast<j_decompress_ptr>(cinfo)->input_scan_number > kMaxScans)
    fail(cinfo, kImageCorrupt);
}

// Everything libjpeg works on, plain C structs only.
struct JpegState {
  jpeg_decompress_struct cinfo;
  JpegErrors errors;
  jpeg_progress_mgr monitor;
};

bool readHeader(JpegState& s, const uint8_t* data, size_t size) {
  if (setjmp(s.errors.jump)) return false;
  jpeg_create_decompress(&s.cinfo);
  s.cinfo.mem->max_memory_to_use = kWorkingMemory;
  s.cinfo.progress = &s.monitor;
  jpeg_mem_src(&s.cinfo, data, static_cast<unsigned long>(size));
  jpeg_read_header(&s.cinfo, TRUE);
  if (s.cinfo.jpeg_color_space == JCS_CMYK || s.cinfo.jpeg_color_space == JCS_YCCK)
    fail(reinterpret_cast<j_common_ptr>(&s.cinfo), kImageUnknownFormat);
  s.cinfo.out_color_space =
      std::endian::native == std::endian::little ? JCS_EXT_BGRA : JCS_EXT_ARGB;
  return true;
}

bool readPixels(JpegState& s, uint32_t* pixels, size_t width) {
  if (setjmp(s.errors.jump)) return false;
  jpeg_start_decompress(&s.cinfo);
  if (s.cinfo.output_components != 4) fail(reinterpret_cast<j_common_ptr>(&s.cinfo), kImageCorrupt);
  while (s.cinfo.output_scanline < s.cinfo.output_height) {
    JSAMPROW row = reinterpret_cast<JSAMPROW>(pixels + s.cinfo.output_scanline * width);
    jpeg_read_scanlines(&s.cinfo, &row, 1);
  }
  jpeg_finish_decompress(&s.cinfo);
  return true;
}

// Destroys the decompressor however the decoding ended.
struct JpegScope {
  JpegState state;
  JpegScope() {
    std::memset(&state, 0, sizeof state);
    state.cinfo.err = jpeg_std_error(&state.errors.manager);
    state.errors.manager.error_exit = errorExit;
    state.errors.manager.emit_message = emitMessage;
    state.errors.manager.output_message = outputMessage;
    state.errors.status = kImageCorrupt;
    state.monitor.progress_monitor = progress;
  }
  ~JpegScope() { jpeg_destroy_decompress(&state.cinfo); }
  JpegScope(const JpegScope&) = delete;
  JpegScope& operator=(const JpegScope&) = delete;
};

}  // namespace

DecodedImage jpeg(std::span<const uint8_t> file, size_t roomBytes) {
  DecodedImage out;
  auto scope = std::make_unique<JpegScope>();
  JpegState& s = scope->state;
  if (!readHeader(s, file.data(), file.size())) {
    out.status = s.errors.status;
    return out;
  }
  if (!allocate(out, s.cinfo.image_width, s.cinfo.image_height, roomBytes)) return out;
  if (!readPixels(s, out.pixels.get(), size_t(out.width))) {
    out.status = s.errors.status;
    return out;
  }
  out.status = kImageDone;
  return out;
}

}  // namespace gx::decode
