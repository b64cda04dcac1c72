// The image-set window (element id 13): a white fill, an image-set area of two
// 12 by 12 pictures and three 16 by 16 pictures, in window 3's frame.
#include "schema/writers.h"
#include "windows/secondary/descriptions.h"
#include "windows/secondary/element_rows.h"

namespace ctrlelem::secondary {
namespace {

constexpr ImageRow kImageSet[] = {
    {206, 8055, kAnchorTopLeft, {0, 0, 12, 12}},
    {207, 8056, kAnchorTopLeft, {0, 0, 12, 12}},
};

constexpr ImageRow kPictures[] = {
    {210, 8052, kAnchorTopLeft, {0, 0, 16, 16}},
    {211, 8053, kAnchorTopLeft, {0, 0, 16, 16}},
    {212, 8054, kAnchorTopLeft, {0, 0, 16, 16}},
};

}  // namespace

__packet ImageSetWindow13(ElementId id) {
  schema::Children image_set;
  AddImages(image_set, kImageSet);

  schema::Children children;
  children.Add(WhiteFill());
  children.Add(schema::ImageSetArea(1043, 0, kAnchorFill, {0, 0, 0, 0}, image_set.packet()));
  AddImages(children, kPictures);

  return schema::WindowDescription(GrowingWindow(id, {380, 230}), children);
}

}  // namespace ctrlelem::secondary
