#include "shell/jpeg_picture.h"

#include <csetjmp>
#include <cstdio>
#include <cstdlib>
// jpeglib.h needs size_t and FILE declared before it.
#include <jpeglib.h>

namespace pickora {

namespace {

// libjpeg reports fatal errors through error_exit, which must not return: jump back instead.
struct ErrorManager {
    jpeg_error_mgr base;
    std::jmp_buf jump;
    int warnings = 0;
};

void errorExit(j_common_ptr info)
{
    std::longjmp(reinterpret_cast<ErrorManager*>(info->err)->jump, 1);
}

void emitMessage(j_common_ptr info, int level)
{
    if (level < 0)
        ++reinterpret_cast<ErrorManager*>(info->err)->warnings;
}

void outputMessage(j_common_ptr) {}

void installErrors(ErrorManager& errors)
{
    jpeg_std_error(&errors.base);
    errors.base.error_exit = errorExit;
    errors.base.emit_message = emitMessage;
    errors.base.output_message = outputMessage;
}

// Only plain data lives in this frame between setjmp and a possible longjmp.
bool decodeInto(jpeg_decompress_struct& info, ErrorManager& errors, const unsigned char* data,
                unsigned long size, QImage& out)
{
    if (setjmp(errors.jump)) {
        jpeg_destroy_decompress(&info);
        return false;
    }
    jpeg_create_decompress(&info);
    jpeg_mem_src(&info, data, size);
    jpeg_read_header(&info, TRUE);
    info.out_color_space = JCS_RGB;
    jpeg_start_decompress(&info);
    out = QImage(static_cast<int>(info.output_width), static_cast<int>(info.output_height),
                 QImage::Format_RGB888);
    while (info.output_scanline < info.output_height) {
        JSAMPROW row = out.scanLine(static_cast<int>(info.output_scanline));
        jpeg_read_scanlines(&info, &row, 1);
    }
    jpeg_finish_decompress(&info);
    jpeg_destroy_decompress(&info);
    return errors.warnings == 0;
}

bool encodeInto(jpeg_compress_struct& info, ErrorManager& errors, const QImage& rgb, int quality,
                unsigned char** buffer, unsigned long* size)
{
    if (setjmp(errors.jump)) {
        jpeg_destroy_compress(&info);
        return false;
    }
    jpeg_create_compress(&info);
    jpeg_mem_dest(&info, buffer, size);
    info.image_width = static_cast<JDIMENSION>(rgb.width());
    info.image_height = static_cast<JDIMENSION>(rgb.height());
    info.input_components = 3;
    info.in_color_space = JCS_RGB;
    jpeg_set_defaults(&info);
    jpeg_set_quality(&info, quality, TRUE);
    jpeg_start_compress(&info, TRUE);
    while (info.next_scanline < info.image_height) {
        auto row = const_cast<JSAMPROW>(rgb.constScanLine(static_cast<int>(info.next_scanline)));
        jpeg_write_scanlines(&info, &row, 1);
    }
    jpeg_finish_compress(&info);
    jpeg_destroy_compress(&info);
    return true;
}

} // namespace

QImage decodeJpeg(const QByteArray& data)
{
    if (data.isEmpty())
        return {};
    jpeg_decompress_struct info{};
    ErrorManager errors;
    installErrors(errors);
    info.err = &errors.base;
    QImage image;
    if (!decodeInto(info, errors, reinterpret_cast<const unsigned char*>(data.constData()),
                    static_cast<unsigned long>(data.size()), image))
        return {};
    return image;
}

QByteArray encodeJpeg(const QImage& image, int quality)
{
    if (image.isNull())
        return {};
    const QImage rgb = image.convertToFormat(QImage::Format_RGB888);
    jpeg_compress_struct info{};
    ErrorManager errors;
    installErrors(errors);
    info.err = &errors.base;
    unsigned char* buffer = nullptr;
    unsigned long size = 0;
    const bool ok = encodeInto(info, errors, rgb, quality, &buffer, &size);
    QByteArray result;
    if (ok)
        result = QByteArray(reinterpret_cast<const char*>(buffer), static_cast<qsizetype>(size));
    std::free(buffer);
    return result;
}

} // namespace pickora
