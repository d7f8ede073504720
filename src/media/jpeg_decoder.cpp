#include "media/jpeg_decoder.h"

#include "media/picture_limits.h"
#include "media/picture_structure.h"
#include "media/row_reducer.h"

#include "platform/app_error.h"

#include <csetjmp>
#include <cstdio>
#include <optional>
#include <vector>

#include <jpeglib.h>
#include <jerror.h>

namespace {

QString JpegError(const QString &reason)
{
    return QStringLiteral("JPEG image error: %1").arg(reason);
}

// libjpeg reports errors through these hooks; a fatal one jumps back to
// the decoder, which turns it into an AppError.
struct ErrorManager
{
    jpeg_error_mgr base; // first: libjpeg sees only this part
    std::jmp_buf jump;
    char message[JMSG_LENGTH_MAX] = {};
    bool stopWhenDataRunsOut = false;
    bool ranOut = false;
};

[[noreturn]] void LeaveWithError(j_common_ptr info)
{
    auto *errors = reinterpret_cast<ErrorManager *>(info->err);
    (*info->err->format_message)(info, errors->message);
    std::longjmp(errors->jump, 1);
}

void OnMessage(j_common_ptr info, int level)
{
    if (level >= 0)
        return; // trace messages
    auto *errors = reinterpret_cast<ErrorManager *>(info->err);
    // The scan needed bytes the data does not have: the file was cut short.
    if (info->err->msg_code == JWRN_HIT_MARKER && errors->stopWhenDataRunsOut) {
        errors->ranOut = true;
        std::longjmp(errors->jump, 1);
    }
    ++info->err->num_warnings;
}

// The smallest of libjpeg's scales (n/8) whose output still covers `wanted`.
int ScaleFor(QSize stored, QSize wanted)
{
    for (int n = 1; n < 8; ++n) {
        const long long w = (stored.width() * (long long)n + 7) / 8;
        const long long h = (stored.height() * (long long)n + 7) / 8;
        if (w >= wanted.width() && h >= wanted.height())
            return n;
    }
    return 8;
}

class Decoder
{
public:
    Decoder(const QByteArray &bytes, const std::function<QSize(QSize)> &sizeFor, JpegEnd end)
        : m_bytes(bytes), m_sizeFor(sizeFor)
    {
        m_info.err = jpeg_std_error(&m_errors.base);
        m_errors.base.error_exit = LeaveWithError;
        m_errors.base.emit_message = OnMessage;
        m_errors.stopWhenDataRunsOut = end != JpegEnd::Complete;
    }
    ~Decoder()
    {
        if (m_created)
            jpeg_destroy_decompress(&m_info);
    }
    Decoder(const Decoder &) = delete;
    Decoder &operator=(const Decoder &) = delete;

    JpegPicture Run()
    {
        if (Decode())
            return {std::move(m_image), m_stored};
        if (m_errors.ranOut)
            throw AppError(JpegError(QStringLiteral("Premature end of file")));
        const int code = m_errors.base.msg_code;
        if (code == JERR_NO_BACKING_STORE || code == JERR_OUT_OF_MEMORY)
            throw AppError(PictureTooLargeMessage(m_stored.width(), m_stored.height()));
        throw AppError(JpegError(QString::fromLocal8Bit(m_errors.message)));
    }

private:
    // Everything libjpeg may leave by a jump happens here; what must
    // survive the jump lives in members.
    bool Decode()
    {
        if (setjmp(m_errors.jump))
            return false;
        jpeg_create_decompress(&m_info);
        m_created = true;
        m_info.mem->max_memory_to_use = long(MaxJpegWorkingBytes);
        jpeg_mem_src(&m_info, reinterpret_cast<const unsigned char *>(m_bytes.constData()),
                     (unsigned long)m_bytes.size());
        jpeg_read_header(&m_info, TRUE);
        m_stored = QSize(int(m_info.image_width), int(m_info.image_height));
        const QSize wanted = WantedSize();
        if (PictureTooLarge(wanted.width(), wanted.height()))
            throw AppError(PictureTooLargeMessage(m_stored.width(), m_stored.height()));

        m_info.scale_num = (unsigned)ScaleFor(m_stored, wanted);
        m_info.scale_denom = 8;
        if (m_info.jpeg_color_space == JCS_GRAYSCALE)
            m_info.out_color_space = JCS_GRAYSCALE;
        else if (m_info.jpeg_color_space == JCS_CMYK || m_info.jpeg_color_space == JCS_YCCK)
            m_info.out_color_space = JCS_CMYK;
        else
            m_info.out_color_space = JCS_EXT_BGRX; // the byte order of Format_RGB32
        jpeg_start_decompress(&m_info);

        const QSize output(int(m_info.output_width), int(m_info.output_height));
        m_image = QImage(wanted, QImage::Format_RGB32);
        if (m_image.isNull())
            throw AppError(PictureTooLargeMessage(m_stored.width(), m_stored.height()));
        m_samples.resize(size_t(output.width()) * size_t(m_info.output_components));
        m_pixels.resize(size_t(output.width()) * 4);
        if (output != wanted)
            m_reducer.emplace(output, wanted, m_image);
        while (m_info.output_scanline < m_info.output_height) {
            const int row = int(m_info.output_scanline);
            JSAMPROW samples = m_samples.data();
            jpeg_read_scanlines(&m_info, &samples, 1);
            const uchar *pixels = ToPixels();
            if (m_reducer)
                m_reducer->AddRow(pixels);
            else
                std::copy_n(pixels, m_pixels.size(), m_image.scanLine(row));
        }
        jpeg_finish_decompress(&m_info);
        return true;
    }

    QSize WantedSize() const
    {
        if (!m_sizeFor)
            return m_stored;
        const QSize wanted = m_sizeFor(m_stored);
        if (wanted.isEmpty() || wanted.width() > m_stored.width() || wanted.height() > m_stored.height())
            return m_stored;
        return wanted;
    }

    // The row just read as four bytes a pixel in the order of Format_RGB32.
    const uchar *ToPixels()
    {
        const size_t width = m_info.output_width;
        const uchar *in = m_samples.data();
        uchar *out = m_pixels.data();
        switch (m_info.out_color_space) {
        case JCS_GRAYSCALE:
            for (size_t x = 0; x < width; ++x, out += 4)
                out[0] = out[1] = out[2] = in[x], out[3] = 0xFF;
            break;
        case JCS_CMYK: // stored inverted, as Adobe writes it
            for (size_t x = 0; x < width; ++x, in += 4, out += 4) {
                const int k = in[3];
                out[0] = uchar(k * in[2] / 255);
                out[1] = uchar(k * in[1] / 255);
                out[2] = uchar(k * in[0] / 255);
                out[3] = 0xFF;
            }
            break;
        default:
            return in;
        }
        return m_pixels.data();
    }

    const QByteArray &m_bytes;
    const std::function<QSize(QSize)> &m_sizeFor;
    jpeg_decompress_struct m_info = {};
    ErrorManager m_errors;
    bool m_created = false;
    QSize m_stored;
    QImage m_image;
    std::vector<uchar> m_samples;
    std::vector<uchar> m_pixels;
    std::optional<RowReducer> m_reducer;
};

} // namespace

JpegPicture DecodeJpegData(const QByteArray &bytes, const std::function<QSize(QSize)> &sizeFor)
{
    if (bytes.isEmpty())
        throw AppError(JpegError(QStringLiteral("The file is empty")));
    // Data cut inside its headers would decode to a grey picture or none.
    const JpegEnd end = InspectJpegEnd(bytes);
    if (bytes.startsWith("\xFF\xD8") && end == JpegEnd::Truncated)
        throw AppError(JpegError(QStringLiteral("Premature end of file")));
    return Decoder(bytes, sizeFor, end).Run();
}
