// The built-in picture lives in pad_resources.qrc. The pad library is static, so its resource is
// registered here explicitly; the call also makes the linker keep the resource's object file.
#include "pad/builtin_picture.h"

// Outside any namespace: the registration function it declares is a global one.
static void registerPadResources()
{
    static const bool registered = [] {
        Q_INIT_RESOURCE(pad_resources);
        return true;
    }();
    (void)registered;
}

QImage BuiltinPicture()
{
    registerPadResources();
    return QImage(":/pad/builtin_picture.bmp", "BMP");
}
