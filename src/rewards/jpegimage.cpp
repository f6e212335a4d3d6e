#include "rewards/jpegimage.h"

#include <QFile>
#include <QFileInfo>

#include <climits>
#include <csetjmp>
#include <cstddef>
#include <cstdio>
#include <stdexcept>

#include <jpeglib.h>

namespace {

// libjpeg reports a fatal error through error_exit, which must not return. It formats the
// message and jumps back to the setjmp of the step that called libjpeg. The steps below are
// C-style: plain data only, so the jump skips no destructor. Only their C++ caller throws.
struct ErrorManager
{
    jpeg_error_mgr pub; // first: libjpeg hands back a pointer to it
    std::jmp_buf jump;
    char message[JMSG_LENGTH_MAX];
};

extern "C" {

static void errorExit(j_common_ptr cinfo)
{
    ErrorManager *err = reinterpret_cast<ErrorManager *>(cinfo->err);
    (*cinfo->err->format_message)(cinfo, err->message);
    std::longjmp(err->jump, 1);
}

// Warnings (a truncated file, say) are not errors: the picture shows what could be decoded.
static void ignoreMessage(j_common_ptr) {}

} // extern "C"

// Each step returns 0, or 1 after a libjpeg error whose text is in err->message.

static int createStep(jpeg_decompress_struct *cinfo, ErrorManager *err)
{
    cinfo->err = jpeg_std_error(&err->pub);
    err->pub.error_exit = errorExit;
    err->pub.output_message = ignoreMessage;
    if (setjmp(err->jump))
        return 1;
    jpeg_create_decompress(cinfo);
    return 0;
}

static int startStep(jpeg_decompress_struct *cinfo, ErrorManager *err, const unsigned char *data,
                     unsigned long size)
{
    if (setjmp(err->jump))
        return 1;
    jpeg_mem_src(cinfo, data, size);
    jpeg_read_header(cinfo, TRUE);
    // libjpeg turns grayscale into RGB itself; CMYK and YCCK come out as CMYK only.
    if (cinfo->jpeg_color_space == JCS_CMYK || cinfo->jpeg_color_space == JCS_YCCK)
        cinfo->out_color_space = JCS_CMYK;
    else
        cinfo->out_color_space = JCS_RGB;
    jpeg_start_decompress(cinfo);
    return 0;
}

static int scanlineStep(jpeg_decompress_struct *cinfo, ErrorManager *err, unsigned char *pixels,
                        std::size_t bytesPerLine)
{
    if (setjmp(err->jump))
        return 1;
    while (cinfo->output_scanline < cinfo->output_height) {
        JSAMPROW row = pixels + std::size_t(cinfo->output_scanline) * bytesPerLine;
        jpeg_read_scanlines(cinfo, &row, 1);
    }
    jpeg_finish_decompress(cinfo);
    return 0;
}

// Owns one libjpeg decompressor for one picture.
class Decompressor
{
public:
    Decompressor()
    {
        if (createStep(&cinfo, &err)) {
            jpeg_destroy_decompress(&cinfo); // safe: the zeroed struct owns nothing yet
            fail();
        }
    }
    ~Decompressor() { jpeg_destroy_decompress(&cinfo); }
    Decompressor(const Decompressor &) = delete;
    Decompressor &operator=(const Decompressor &) = delete;

    QImage decode(const QByteArray &data)
    {
        if (std::size_t(data.size()) > ULONG_MAX)
            throw std::runtime_error("Insufficient memory");
        if (startStep(&cinfo, &err, reinterpret_cast<const unsigned char *>(data.constData()),
                      static_cast<unsigned long>(data.size())))
            fail();
        const bool cmyk = cinfo.out_color_space == JCS_CMYK;
        if (cinfo.output_components != (cmyk ? 4 : 3))
            throw std::runtime_error("Unsupported JPEG colour space");
        QImage image(int(cinfo.output_width), int(cinfo.output_height),
                     cmyk ? QImage::Format_RGB32 : QImage::Format_RGB888);
        if (image.isNull())
            throw std::runtime_error("Insufficient memory");
        if (scanlineStep(&cinfo, &err, image.bits(), std::size_t(image.bytesPerLine())))
            fail();
        if (!cmyk)
            return image;
        cmykToRgb(image, cinfo.saw_Adobe_marker);
        return image.convertToFormat(QImage::Format_RGB888);
    }

private:
    [[noreturn]] void fail() const { throw std::runtime_error(err.message); }

    // In place: four bytes C, M, Y, K become one QRgb. Adobe's files store the inks inverted.
    static void cmykToRgb(QImage &image, bool inverted)
    {
        for (int y = 0; y < image.height(); ++y) {
            uchar *p = image.scanLine(y);
            auto *out = reinterpret_cast<QRgb *>(p);
            for (int x = 0; x < image.width(); ++x, p += 4) {
                int c = p[0], m = p[1], yellow = p[2], k = p[3];
                if (!inverted) {
                    c = 255 - c;
                    m = 255 - m;
                    yellow = 255 - yellow;
                    k = 255 - k;
                }
                out[x] = qRgb(c * k / 255, m * k / 255, yellow * k / 255);
            }
        }
    }

    jpeg_decompress_struct cinfo{};
    ErrorManager err{};
};

} // namespace

namespace JpegImage {

QImage decode(const QByteArray &data)
{
    Decompressor decompressor;
    return decompressor.decode(data);
}

QImage load(const QString &path)
{
    const auto cannotOpen = [&path] {
        return std::runtime_error(QStringLiteral("Cannot open file %1").arg(path).toStdString());
    };
    // A folder or a pipe that happens to match the pattern is no picture (a pipe would block).
    if (!QFileInfo(path).isFile())
        throw cannotOpen();
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        throw cannotOpen();
    const QByteArray data = file.readAll();
    if (file.error() != QFileDevice::NoError)
        throw cannotOpen();
    return decode(data);
}

} // namespace JpegImage
