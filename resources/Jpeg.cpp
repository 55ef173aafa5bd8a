// JPEG decoding through libjpeg. libjpeg reports a fatal error by calling its error manager's
// error_exit, which by default ends the process; ours jumps back and the decode fails instead.

#include "Resources.h"

#include "Embedded.h"

#include <QFile>

#include <csetjmp>
#include <cstdio>

#include <jpeglib.h>

namespace resources {

namespace {

// Larger pictures than this are refused before any memory is taken for them.
constexpr JDIMENSION kMaxSide = 16384;

struct ErrorManager {
    jpeg_error_mgr base;  // first, so libjpeg's pointer to it is a pointer to the whole
    std::jmp_buf fatal;
};

[[noreturn]] void leaveOnError(j_common_ptr info)
{
    std::longjmp(reinterpret_cast<ErrorManager *>(info->err)->fatal, 1);
}

// Counts warnings (for instance data that ends early) as libjpeg's own handler would, but
// prints nothing.
void countWarnings(j_common_ptr info, int level)
{
    if (level < 0) ++info->err->num_warnings;
}

// Holds the decoder state outside the frame that calls setjmp, so nothing the jump skips needs
// to be destroyed, and the decompressor is released on every way out.
class Decoder {
public:
    Decoder()
    {
        info_.err = jpeg_std_error(&errors_.base);
        errors_.base.error_exit = leaveOnError;
        errors_.base.emit_message = countWarnings;
    }
    // Safe also when creation never ran or failed half-way: the state starts zeroed.
    ~Decoder() { jpeg_destroy_decompress(&info_); }
    Decoder(const Decoder &) = delete;
    Decoder &operator=(const Decoder &) = delete;

    bool decode(const QByteArray &data)
    {
        if (setjmp(errors_.fatal)) return false;
        jpeg_create_decompress(&info_);
        jpeg_mem_src(&info_, reinterpret_cast<const unsigned char *>(data.constData()),
                     static_cast<unsigned long>(data.size()));
        if (jpeg_read_header(&info_, TRUE) != JPEG_HEADER_OK) return false;
        if (info_.image_width > kMaxSide || info_.image_height > kMaxSide) return false;
        info_.out_color_space = JCS_RGB;
        jpeg_start_decompress(&info_);
        image_ = QImage(static_cast<int>(info_.output_width), static_cast<int>(info_.output_height),
                        QImage::Format_RGB888);
        if (image_.isNull() || info_.output_components != 3) return false;
        while (info_.output_scanline < info_.output_height) {
            JSAMPROW row = image_.scanLine(static_cast<int>(info_.output_scanline));
            jpeg_read_scanlines(&info_, &row, 1);
        }
        jpeg_finish_decompress(&info_);
        // A damaged file that libjpeg could read to its end only by patching holes over is
        // still damaged: show nothing rather than a grey smear.
        return errors_.base.num_warnings == 0;
    }

    const QImage &image() const { return image_; }

private:
    jpeg_decompress_struct info_{};
    ErrorManager errors_{};
    QImage image_;
};

}  // namespace

std::optional<QImage> decodeJpeg(const QByteArray &data)
{
    if (data.isEmpty()) return std::nullopt;
    Decoder decoder;
    if (!decoder.decode(data)) return std::nullopt;
    return decoder.image().convertToFormat(QImage::Format_RGB32);
}

QImage gameOverBackground()
{
    static const QImage background = [] {
        init();
        QFile file(detail::embeddedPath(QStringLiteral("pictures/gameover.jpg")));
        if (!file.open(QIODevice::ReadOnly)) return QImage();
        return decodeJpeg(file.readAll()).value_or(QImage());
    }();
    return background;
}

}  // namespace resources
