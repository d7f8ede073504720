#pragma once

#include <QString>

// The version code this build reports to the update endpoint.
inline constexpr char16_t kUpdateVersionCode[] = u"70";

// The endpoint's host: the one set for tests, else the PELORIN_UPDATE_HOST
// environment variable, else the host chosen when the program was built.
QString UpdateEndpointHost();

// Points the update check at another host, e.g. "127.0.0.1:40123" (tests);
// an empty text returns to the environment's or the built-in host.
void SetUpdateEndpointHost(const QString &host);

// "http://" + host + "/checkupdate/index.html?v=" + version code.
QString UpdateCheckUrl();
