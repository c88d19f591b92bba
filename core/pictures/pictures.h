#pragma once

#include <QImage>

#include <string>

namespace vorn {

class RequestLayer;
struct Session;

// Reads a PNG file with libpng and composes it onto bitmap, which takes the
// image's size: opaque pixels replace what the bitmap held, transparent ones
// keep it, the ones between are blended. A bitmap that had no content is
// white first. Throws Error ("Error Opening File <path>!" when the file cannot
// be opened) and leaves bitmap untouched when the file is not a readable PNG.
void LoadPngFile(const std::string& path, QImage& bitmap);

// JPEG (libjpeg-turbo), GIF (giflib, first frame, still) and BMP. Each
// answers false and leaves picture untouched when the file is missing or
// broken.
bool loadJpegFile(const std::string& path, QImage& picture);
bool loadGifFile(const std::string& path, QImage& picture);
bool loadBmpFile(const std::string& path, QImage& picture);

// Shows the file at path in picture, chosen by the texts ".png", ".jpg",
// ".bmp" and ".gif" anywhere in the path (case-sensitive; every one that
// matches runs, in that order, so the last one wins). Only the PNG loader
// reports failures, by throwing Error.
void showPictureFile(const std::string& path, QImage& picture);

// The same for a file of the adventure folder; an empty name clears the
// picture. The name is checked like every local file name.
void LoadPictureFile(const Session& session, const std::string& name, QImage& picture);

// Fetches a picture of the adventure with this prefix when it is not on disk
// yet and shows it. Throws Error when the fetch fails; picture is unchanged.
void FetchAndShowPicture(RequestLayer& layer, const Session& session, const std::string& name,
                         const std::string& prefix, QImage& picture);

} // namespace vorn
