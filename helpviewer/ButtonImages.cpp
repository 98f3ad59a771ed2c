#include "helpviewer/ButtonImages.h"

#include <QBitmap>
#include <QColor>

#include <algorithm>
#include <iterator>

namespace vessant::help {
namespace {

struct ImageFile {
    int image;
    const char* path;
};

constexpr ImageFile kImages[] = {
    {kImageIcon, ":/images/viewer.xpm"},     {kImageBack, ":/images/back.xpm"},
    {kImageForward, ":/images/forward.xpm"}, {kImageClose, ":/images/close.xpm"},
    {kImageAbout, ":/images/about.xpm"},     {kImagePrint, ":/images/print.xpm"},
    {kImageContents, ":/images/contents.xpm"},
};

const QColor kTransparentColour(0xFF, 0x00, 0xFF);

} // namespace

QPixmap HelpImagePixmap(int image) {
    const auto* found = std::find_if(std::begin(kImages), std::end(kImages),
                                     [image](const ImageFile& file) { return file.image == image; });
    if (found == std::end(kImages))
        return {};
    QPixmap pixmap(QString::fromLatin1(found->path));
    if (!pixmap.isNull())
        pixmap.setMask(pixmap.createMaskFromColor(kTransparentColour, Qt::MaskInColor));
    return pixmap;
}

QIcon HelpIcon() {
    const QPixmap small = HelpImagePixmap(kImageIcon);
    QIcon icon(small);
    icon.addPixmap(small.scaled(32, 32, Qt::KeepAspectRatio, Qt::FastTransformation));
    return icon;
}

} // namespace vessant::help
