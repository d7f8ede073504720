#include "media/flat_frame_factory.h"

FlatFrameFactory *FlatFrameFactory::Instance()
{
    static FlatFrameFactory factory;
    return &factory;
}

bool FlatFrameFactory::updateFrame(HeaderPointer header) const
{
    const TagLib::ByteVector id = header->frameID();
    if (id == "CHAP" || id == "CTOC")
        return false; // kept as an unknown frame: its content is not parsed
    return TagLib::ID3v2::FrameFactory::updateFrame(header);
}
