#include "update/web_request.h"

#include "platform/code_page.h"
#include "platform/locale_info.h"
#include "settings/log.h"

#include <QMutex>
#include <QMutexLocker>
#include <QStringDecoder>
#include <QUrl>

#include <curl/curl.h>
#include <unicode/ucnv.h>

#include <memory>
#include <mutex>

namespace {

QMutex g_limitsMutex;
WebRequestLimits g_limits;

void InitCurlOnce()
{
    static std::once_flag once;
    std::call_once(once, [] { curl_global_init(CURL_GLOBAL_DEFAULT); });
}

struct EasyCleanup
{
    void operator()(CURL *easy) const { curl_easy_cleanup(easy); }
};
struct MultiCleanup
{
    void operator()(CURLM *multi) const { curl_multi_cleanup(multi); }
};
struct ListCleanup
{
    void operator()(curl_slist *list) const { curl_slist_free_all(list); }
};
using Easy = std::unique_ptr<CURL, EasyCleanup>;
using Multi = std::unique_ptr<CURLM, MultiCleanup>;
using HeaderList = std::unique_ptr<curl_slist, ListCleanup>;

// What arrives while the request runs.
struct Reception
{
    QByteArray body;
    QByteArray statusLine;
    qint64 maxBytes = 0;
    bool tooLarge = false;
};

size_t ReceiveBody(char *data, size_t size, size_t count, void *user)
{
    auto *reception = static_cast<Reception *>(user);
    const size_t bytes = size * count;
    if (qint64(reception->body.size()) + qint64(bytes) > reception->maxBytes) {
        reception->tooLarge = true;
        return 0; // ends the transfer with a write error
    }
    reception->body.append(data, qsizetype(bytes));
    return bytes;
}

size_t ReceiveHeader(char *data, size_t size, size_t count, void *user)
{
    auto *reception = static_cast<Reception *>(user);
    const size_t bytes = size * count;
    const QByteArray line(data, qsizetype(bytes));
    // Every response (an interim one included) starts with its status line.
    if (line.startsWith("HTTP/"))
        reception->statusLine = line.trimmed();
    return bytes;
}

void AppendHeader(HeaderList &list, const QByteArray &line)
{
    curl_slist *grown = curl_slist_append(list.get(), line.constData());
    if (grown) {
        (void)list.release();
        list.reset(grown);
    }
}

// "name=value" becomes "name: value" at the first "="; other lines stay as they are.
QByteArray HeaderFromLine(const QString &line)
{
    const qsizetype equals = line.indexOf(QLatin1Char('='));
    if (equals < 0)
        return line.toUtf8();
    return line.left(equals).toUtf8() + ": " + line.mid(equals + 1).toUtf8();
}

QByteArray FormBody(const QString &postData)
{
    QByteArrayList fields;
    for (const QString &line : SplitLines(postData)) {
        if (line.isEmpty())
            continue;
        const qsizetype equals = line.indexOf(QLatin1Char('='));
        const QString name = equals < 0 ? line : line.left(equals);
        const QString value = equals < 0 ? QString() : line.mid(equals + 1);
        QByteArray field = QUrl::toPercentEncoding(name);
        if (equals >= 0)
            field += '=' + QUrl::toPercentEncoding(value);
        fields.append(field);
    }
    return fields.join('&');
}

QByteArray CharsetOf(const char *contentType)
{
    if (!contentType)
        return {};
    for (const QByteArray &part : QByteArray(contentType).split(';')) {
        const QByteArray item = part.trimmed();
        if (item.toLower().startsWith("charset=")) {
            QByteArray charset = item.mid(8).trimmed();
            if (charset.size() >= 2 && charset.startsWith('"') && charset.endsWith('"'))
                charset = charset.mid(1, charset.size() - 2);
            return charset.toLower();
        }
    }
    return {};
}

bool DecodeWithCharset(const QByteArray &bytes, const QByteArray &charset, QString &text)
{
    UErrorCode status = U_ZERO_ERROR;
    UConverter *converter = ucnv_open(charset.constData(), &status);
    if (U_FAILURE(status) || !converter)
        return false;
    QString decoded(bytes.size() * 2, Qt::Uninitialized);
    const int32_t length = ucnv_toUChars(converter, reinterpret_cast<UChar *>(decoded.data()),
                                         int32_t(decoded.size()), bytes.constData(),
                                         int32_t(bytes.size()), &status);
    ucnv_close(converter);
    if (U_FAILURE(status))
        return false;
    decoded.truncate(length);
    text = decoded;
    return true;
}

// The reply's charset when it names one; otherwise UTF-8 when the bytes are
// valid UTF-8, else the ANSI code page.
QString DecodeBody(const QByteArray &bytes, const char *contentType)
{
    if (bytes.isEmpty())
        return {};
    const QByteArray charset = CharsetOf(contentType);
    QString text;
    if (!charset.isEmpty() && charset != "utf-8" && charset != "utf8"
        && DecodeWithCharset(bytes, charset, text))
        return text;
    QStringDecoder utf8(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
    text = utf8(bytes);
    if (!utf8.hasError())
        return text;
    return BytesToText(bytes, AnsiCodePage());
}

// The outcome of one transfer: either a failure message or the reply.
struct Outcome
{
    bool cancelled = false;
    QString error;
    QString result;
};

QString CurlMessage(CURLcode code, const char *errorBuffer)
{
    if (errorBuffer && errorBuffer[0])
        return QString::fromUtf8(errorBuffer);
    return QString::fromUtf8(curl_easy_strerror(code));
}

Outcome Perform(const QString &method, const QString &url, const QString &postData,
                const QString &proxyServer, const QString &userAgent, const QString &referer,
                const QString &accept, const QString &extraHeaders, int proxyPort,
                RequestCancel *cancel)
{
    Outcome outcome;
    const WebRequestLimits limits = CurrentWebRequestLimits();
    InitCurlOnce();
    Easy easy(curl_easy_init());
    Multi multi(curl_multi_init());
    if (!easy || !multi) {
        outcome.error = QStringLiteral("Cannot create the HTTP client");
        return outcome;
    }
    CURL *handle = easy.get();
    char errorBuffer[CURL_ERROR_SIZE] = {};
    Reception reception;
    reception.maxBytes = limits.maxReplyBytes;

    curl_easy_setopt(handle, CURLOPT_ERRORBUFFER, errorBuffer);
    curl_easy_setopt(handle, CURLOPT_NOSIGNAL, 1L);
    curl_easy_setopt(handle, CURLOPT_QUICK_EXIT, 1L);
    curl_easy_setopt(handle, CURLOPT_HTTP_VERSION, long(CURL_HTTP_VERSION_1_1));
    curl_easy_setopt(handle, CURLOPT_FOLLOWLOCATION, 0L);
    curl_easy_setopt(handle, CURLOPT_PROTOCOLS_STR, "http,https");
    curl_easy_setopt(handle, CURLOPT_CONNECTTIMEOUT_MS, long(limits.connectMs));
    curl_easy_setopt(handle, CURLOPT_TIMEOUT_MS, long(limits.totalMs));
    curl_easy_setopt(handle, CURLOPT_MAXFILESIZE_LARGE, curl_off_t(limits.maxReplyBytes));
    curl_easy_setopt(handle, CURLOPT_WRITEFUNCTION, ReceiveBody);
    curl_easy_setopt(handle, CURLOPT_WRITEDATA, &reception);
    curl_easy_setopt(handle, CURLOPT_HEADERFUNCTION, ReceiveHeader);
    curl_easy_setopt(handle, CURLOPT_HEADERDATA, &reception);

    const QByteArray refererBytes = referer.toUtf8();
    if (!refererBytes.isEmpty())
        curl_easy_setopt(handle, CURLOPT_REFERER, refererBytes.constData());

    HeaderList headers;
    for (const QString &line : SplitLines(extraHeaders)) {
        if (!line.isEmpty())
            AppendHeader(headers, HeaderFromLine(line));
    }

    // An empty proxy text also keeps the proxy variables of the environment out.
    const QByteArray proxyBytes = proxyPort != 0 ? proxyServer.toUtf8() : QByteArray();
    curl_easy_setopt(handle, CURLOPT_PROXY, proxyBytes.constData());
    if (proxyPort != 0)
        curl_easy_setopt(handle, CURLOPT_PROXYPORT, long(proxyPort));

    const QByteArray urlBytes = QUrl(url).toEncoded();
    curl_easy_setopt(handle, CURLOPT_URL, urlBytes.constData());
    if (!accept.isEmpty())
        AppendHeader(headers, "Accept: " + accept.toUtf8());
    const QByteArray agentBytes = userAgent.toUtf8();
    if (!agentBytes.isEmpty())
        curl_easy_setopt(handle, CURLOPT_USERAGENT, agentBytes.constData());

    const bool head = method == QLatin1String("HEAD");
    QByteArray form;
    if (method == QLatin1String("GET")) {
        curl_easy_setopt(handle, CURLOPT_HTTPGET, 1L);
    } else if (method == QLatin1String("POST")) {
        form = FormBody(postData);
        curl_easy_setopt(handle, CURLOPT_POSTFIELDSIZE_LARGE, curl_off_t(form.size()));
        curl_easy_setopt(handle, CURLOPT_POSTFIELDS, form.constData());
    } else {
        curl_easy_setopt(handle, CURLOPT_NOBODY, 1L);
    }
    curl_easy_setopt(handle, CURLOPT_HTTPHEADER, headers.get());

    curl_multi_add_handle(multi.get(), handle);
    if (cancel && !cancel->Attach(multi.get())) {
        curl_multi_remove_handle(multi.get(), handle);
        outcome.cancelled = true;
        return outcome;
    }
    CURLcode code = CURLE_OK;
    for (;;) {
        int running = 0;
        CURLMcode step = curl_multi_perform(multi.get(), &running);
        if (step == CURLM_OK && running == 0)
            break;
        if (cancel && cancel->IsCancelled()) {
            outcome.cancelled = true;
            break;
        }
        if (step == CURLM_OK)
            step = curl_multi_poll(multi.get(), nullptr, 0, 1000, nullptr);
        if (step != CURLM_OK) {
            outcome.error = QString::fromUtf8(curl_multi_strerror(step));
            break;
        }
    }
    if (cancel)
        cancel->Detach();
    int queued = 0;
    while (CURLMsg *message = curl_multi_info_read(multi.get(), &queued)) {
        if (message->msg == CURLMSG_DONE && message->easy_handle == handle)
            code = message->data.result;
    }
    curl_multi_remove_handle(multi.get(), handle);
    if (outcome.cancelled || !outcome.error.isEmpty())
        return outcome;

    if (reception.tooLarge || code == CURLE_FILESIZE_EXCEEDED) {
        outcome.error = QStringLiteral("Reply larger than %1 bytes").arg(limits.maxReplyBytes);
        return outcome;
    }
    if (code != CURLE_OK) {
        outcome.error = CurlMessage(code, errorBuffer);
        return outcome;
    }
    long status = 0;
    curl_easy_getinfo(handle, CURLINFO_RESPONSE_CODE, &status);
    if (status < 200 || status > 299) {
        // A redirect is not followed: it fails like an error status.
        outcome.error = reception.statusLine.isEmpty()
            ? QStringLiteral("HTTP status %1").arg(status)
            : QString::fromLatin1(reception.statusLine);
        return outcome;
    }
    if (head) {
        outcome.result = QString::fromLatin1(reception.statusLine);
    } else {
        const char *contentType = nullptr;
        curl_easy_getinfo(handle, CURLINFO_CONTENT_TYPE, &contentType);
        outcome.result = DecodeBody(reception.body, contentType);
    }
    return outcome;
}

} // namespace

WebRequestLimits CurrentWebRequestLimits()
{
    QMutexLocker lock(&g_limitsMutex);
    return g_limits;
}

void SetWebRequestLimits(const WebRequestLimits &limits)
{
    QMutexLocker lock(&g_limitsMutex);
    g_limits = limits;
}

QString WebRequest(const QString &method, const QString &url, const QString &postData,
                   const QString &proxyServer, const QString &userAgent,
                   const QString &referer, const QString &accept,
                   const QString &extraHeaders, int proxyPort, RequestCancel *cancel)
{
    if (method != QLatin1String("GET") && method != QLatin1String("POST")
        && method != QLatin1String("HEAD")) {
        WriteLog(QStringLiteral("Method Not Surpport"));
        return {};
    }
    const Outcome outcome = Perform(method, url, postData, proxyServer, userAgent, referer,
                                    accept, extraHeaders, proxyPort, cancel);
    if (!outcome.error.isEmpty())
        WriteLog(outcome.error + QStringLiteral("<br/>"));
    return outcome.result;
}
