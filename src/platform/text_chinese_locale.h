#pragma once

// Whether the user's locale is Chinese (PRC or Singapore), or Chinese
// (Taiwan or Hong Kong). Macau and every other locale are neither.
bool SimplifiedChineseLocale();
bool TraditionalChineseLocale();
