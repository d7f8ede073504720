#pragma once

// Window show commands handed to the shell launch and the console runs.
constexpr int SW_HIDE = 0;
constexpr int SW_SHOW = 5;
