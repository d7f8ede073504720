#pragma once

#include <QString>

// The caption of the new-version item at a tick of the update timer:
// "有新版本了" followed by (tick count mod 5) + 1 exclamation marks.
QString VersionNoticeCaption(int tickCount);
