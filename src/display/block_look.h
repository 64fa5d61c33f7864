#pragma once
// How the information block looks, as far as an image of it kept between paints is concerned: a
// platform that draws the block once into an image and then only copies it to wherever the block
// moves asks, before each paint, what changed since the image was drawn.

#include <cstdint>
#include <string>

#include "common/font_description.h"
#include "display/info_block.h"

namespace kelvor {

class BlockLook {
public:
    enum class Change {
        Nothing,      // the block may have moved; the image is as it was
        NetworkLine,  // only the network line's text: that line is drawn again
        Whole,        // anything else: the whole image is drawn again
    };

    // What changed since the last call, which remembers the block as it is now. The first call
    // answers Whole.
    Change Compare(const InfoBlock& block);

private:
    struct LabelChange {
        bool frame;  // font, visibility or place
        bool text;
    };
    struct LabelLook {
        std::string text;
        FontDescription font;
        bool visible = false;
        float top = 0.0f;

        // Takes the label's look as it is now and tells what differed.
        LabelChange Remember(const InfoBlock& block, InfoLabel label);
    };

    bool known_ = false;
    PixelSize size_;
    int32_t backColour_ = 0;
    int32_t blockBackColour_ = 0;
    LabelLook info_;
    LabelLook network_;
};

}  // namespace kelvor
