#pragma once

#include <id3v2framefactory.h>

namespace flat_frame_factory_detail {
template <typename> struct FirstArgument;
template <typename R, typename C, typename A> struct FirstArgument<R (C::*)(A) const>
{
    using Type = A;
};

// TagLib's frame header class is protected inside its frame class; its type
// is taken from the hook's signature instead of by name.
class Base : public TagLib::ID3v2::FrameFactory
{
protected:
    using HeaderPointer = FirstArgument<decltype(&Base::updateFrame)>::Type;
};
} // namespace flat_frame_factory_detail

// An ID3v2 frame factory that keeps chapter frames (CHAP, CTOC) as opaque
// data. Chapters can embed frames, chapters included, and TagLib follows
// such nesting by recursion without limit: a small hostile tag would
// exhaust the stack. The tag reader needs no chapters.
class FlatFrameFactory : public flat_frame_factory_detail::Base
{
public:
    static FlatFrameFactory *Instance();

protected:
    bool updateFrame(HeaderPointer header) const override;
};
