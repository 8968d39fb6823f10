#include "WindowIcon.h"

#include <QImage>
#include <QPixmap>

#include "winuser.h"

namespace {

QImage ImageOf(HICON hIcon)
{
    ICONIMAGE_QV image{};
    if (hIcon == nullptr || !GetIconImage(hIcon, &image) || image.pixels == nullptr || image.cx <= 0 || image.cy <= 0)
        return QImage();
    // The window system's pixels are 0xAARRGGBB rows from the top, as QImage's ARGB32.
    QImage view(reinterpret_cast<const uchar*>(image.pixels), image.cx, image.cy,
                static_cast<qsizetype>(image.cx) * 4, QImage::Format_ARGB32);
    return view.copy();
}

}  // namespace

QIcon WindowIconOf(HWND hWnd)
{
    QIcon icon;
    for (WPARAM which : {static_cast<WPARAM>(ICON_BIG), static_cast<WPARAM>(ICON_SMALL)}) {
        QImage image = ImageOf(reinterpret_cast<HICON>(SendMessage(hWnd, WM_GETICON, which, 0)));
        if (!image.isNull())
            icon.addPixmap(QPixmap::fromImage(image));
    }
    return icon;
}
