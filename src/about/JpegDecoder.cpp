#include "about/JpegDecoder.h"

#include <jpeglib.h>

#include <csetjmp>
#include <cstdio>
#include <fstream>
#include <iterator>
#include <memory>

namespace velmora {
namespace {

struct ErrorManager {
    jpeg_error_mgr base{};
    std::jmp_buf jump{};
};

[[noreturn]] void JumpOnError(j_common_ptr info) {
    std::longjmp(reinterpret_cast<ErrorManager*>(info->err)->jump, 1);
}

void IgnoreMessage(j_common_ptr /*info*/) {}

// Everything the decoder touches after setjmp lives here, on the heap, so
// that a jump back leaves no local in an indeterminate state and skips no
// destructor.
struct Session {
    jpeg_decompress_struct info{};
    ErrorManager error;
    DecodedJpeg image;
};

}  // namespace

std::optional<DecodedJpeg> DecodeJpeg(const std::vector<unsigned char>& bytes) {
    if (bytes.empty()) {
        return std::nullopt;
    }
    const auto session = std::make_unique<Session>();
    Session* const s = session.get();
    s->info.err = jpeg_std_error(&s->error.base);
    s->error.base.error_exit = JumpOnError;
    s->error.base.output_message = IgnoreMessage;
    if (setjmp(s->error.jump) != 0) {
        jpeg_destroy_decompress(&s->info);
        return std::nullopt;
    }
    jpeg_CreateDecompress(&s->info, JPEG_LIB_VERSION, sizeof(jpeg_decompress_struct));
    jpeg_mem_src(&s->info, bytes.data(), static_cast<unsigned long>(bytes.size()));
    jpeg_read_header(&s->info, TRUE);
    s->info.out_color_space = JCS_RGB;
    jpeg_start_decompress(&s->info);
    s->image.Width = static_cast<int>(s->info.output_width);
    s->image.Height = static_cast<int>(s->info.output_height);
    const size_t stride = static_cast<size_t>(s->info.output_width) * 3;
    s->image.Rgb.resize(stride * s->info.output_height);
    while (s->info.output_scanline < s->info.output_height) {
        JSAMPROW row = s->image.Rgb.data() + stride * s->info.output_scanline;
        jpeg_read_scanlines(&s->info, &row, 1);
    }
    jpeg_finish_decompress(&s->info);
    jpeg_destroy_decompress(&s->info);
    return std::move(s->image);
}

std::optional<DecodedJpeg> DecodeJpegFile(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    if (!in) {
        return std::nullopt;
    }
    const std::vector<unsigned char> bytes((std::istreambuf_iterator<char>(in)),
                                           std::istreambuf_iterator<char>());
    return DecodeJpeg(bytes);
}

}  // namespace velmora
