// Pictures in the desktop's memory: the framebuffer, bitmaps, icons and rendered text. The
// platform draws into pictures of the device's pixel format, 32 bits with 0x00RRGGBB; a
// picture decoded from a file or rendered keeps its own format (and its alpha) until it is
// converted.
#pragma once

#include <cstddef>

#include "platform/windef.h"

struct HostImage;

// A picture of the device's format, black.
HostImage* HostImageNew(int width, int height);
// A picture file's bytes (GIF, BMP and the other formats the desktop reads) decoded, or a BMP
// file's; null when they are not a picture.
HostImage* HostImageDecode(const void* bytes, size_t size);
HostImage* HostImageDecodeBmp(const void* bytes, size_t size);
// The picture in the device's format, in place of the one given, which is used up; null when
// it cannot be converted.
HostImage* HostImageInDeviceFormat(HostImage* image);
// One more owner of the same pixels; each owner lets go by HostImageFree, the last one frees
// them. Whether a picture has other owners, and a copy of one's own in the same format.
HostImage* HostImageShare(HostImage* image);
bool HostImageShared(const HostImage* image);
HostImage* HostImageCopy(const HostImage* image);
void HostImageFree(HostImage* image);
SIZE HostImageSize(const HostImage* image);

// Pictures of the device's format only; rectangles lie within the picture.
void HostImageFill(HostImage* image, const RECT& area, COLORREF colour);
// Copies `area` of `to` from `from`, whose pixel `source` lands on the area's top left
// corner; a copy within one picture may overlap itself.
void HostImageCopyRect(HostImage* to, const RECT& area, const HostImage* from, POINT source);
COLORREF HostImagePixel(const HostImage* image, int x, int y);
void HostImageSetPixel(HostImage* image, int x, int y, COLORREF colour);
// Draws `picture` (of any format) with its top left corner at `at`, within `clip`: blended by
// its alpha where it has one, copied where not.
void HostImageDraw(HostImage* to, POINT at, const HostImage* picture, const RECT& clip);
