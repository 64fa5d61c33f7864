#include "display/block_look.h"

namespace kelvor {

BlockLook::LabelChange BlockLook::LabelLook::Remember(const InfoBlock& block, InfoLabel label) {
    const LabelChange change{
        font != block.Font(label) || visible != block.Visible(label) || top != block.LabelTop(label),
        text != block.Text(label)};
    if (change.frame) {
        font = block.Font(label);
        visible = block.Visible(label);
        top = block.LabelTop(label);
    }
    if (change.text) text = block.Text(label);
    return change;
}

BlockLook::Change BlockLook::Compare(const InfoBlock& block) {
    const PixelRect pixels = block.BlockPixels();
    const PixelSize size{pixels.Width(), pixels.Height()};
    const bool panelChanged =
        !known_ || size != size_ || backColour_ != block.BackColour() || blockBackColour_ != block.BlockBackColour();
    known_ = true;
    size_ = size;
    backColour_ = block.BackColour();
    blockBackColour_ = block.BlockBackColour();
    const LabelChange info = info_.Remember(block, InfoLabel::Info);
    const LabelChange network = network_.Remember(block, InfoLabel::Network);
    // The information text is most of the image: a change there draws it all.
    if (panelChanged || info.frame || info.text || network.frame) return Change::Whole;
    // A network line that is gone leaves nothing to draw over the old one with.
    if (network.text && network_.text.empty()) return Change::Whole;
    return network.text ? Change::NetworkLine : Change::Nothing;
}

}  // namespace kelvor
