#pragma once

#include "platform/app_error.h"

// A step that cannot go on for a reason the person should hear: the build
// ends as a failed one with the message shown, and the working folder is
// emptied as after any failed step (unlike an AppError, which leaves it).
class BuildStepFailure : public AppError
{
public:
    using AppError::AppError;
};
