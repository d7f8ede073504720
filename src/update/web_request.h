#pragma once

#include "update/request_cancel.h"

#include <QString>

// Bounds that make every request end: time to connect, time for the whole
// exchange, and the largest reply body accepted.
struct WebRequestLimits
{
    int connectMs = 15000;
    int totalMs = 30000;
    qint64 maxReplyBytes = 1024 * 1024;
};

WebRequestLimits CurrentWebRequestLimits();
// Replaces the bounds for the requests that start afterwards (tests).
void SetWebRequestLimits(const WebRequestLimits &limits);

// One HTTP/1.1 request that follows no redirects. Methods (case-sensitive):
// "GET" returns the reply body as text, "POST" sends the lines of `postData`
// ("name=value") as a form and returns the reply body, "HEAD" returns the
// reply's status line. Each line of `extraHeaders` is a header "name=value".
// A proxy is used only when `proxyPort` is not 0.
//
// Another method sends nothing and logs "Method Not Surpport". A failed
// request (no connection, time limit, reply too large, a redirect or error
// status) logs its message followed by "<br/>". Both give an empty text, as
// does a request cancelled through `cancel`, which logs nothing.
QString WebRequest(const QString &method, const QString &url, const QString &postData,
                   const QString &proxyServer, const QString &userAgent,
                   const QString &referer, const QString &accept,
                   const QString &extraHeaders, int proxyPort,
                   RequestCancel *cancel = nullptr);
