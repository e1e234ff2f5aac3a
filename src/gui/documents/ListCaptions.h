#pragma once

namespace Velmora {

struct FrameLabels;

/// The service of the reference lists that the options retitle: lists 2 to 5 take the captions
/// the game master gave them. Found through PartServices.
class ListCaptions
{
public:
    virtual ~ListCaptions() = default;
    virtual void retitle(const FrameLabels &labels) = 0;
};

} // namespace Velmora
