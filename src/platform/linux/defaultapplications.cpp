#include "platform/defaultapplications.h"

#include <gio/gdesktopappinfo.h>
#include <gio/gio.h>

QString DefaultApplicationFor(const QString &contentType)
{
    GAppInfo *info = g_app_info_get_default_for_type(contentType.toUtf8().constData(), FALSE);
    if (!info)
        return {};
    QString file;
    if (G_IS_DESKTOP_APP_INFO(info)) {
        if (const char *name = g_desktop_app_info_get_filename(G_DESKTOP_APP_INFO(info)))
            file = QString::fromUtf8(name);
    }
    g_object_unref(info);
    return file;
}
