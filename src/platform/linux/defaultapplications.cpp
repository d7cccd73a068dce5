#include "platform/defaultapplications.h"

#include <gio/gdesktopappinfo.h>
#include <gio/gio.h>

namespace {

// Whether the application takes this very type: it names it, or the user chose it for it. GIO's
// default also falls back on a parent type (a text editor for text/vcard, which is text), which
// would make a text editor the "address book".
bool TakesTheTypeItself(GAppInfo *info, const char *contentType)
{
    GList *recommended = g_app_info_get_recommended_for_type(contentType);
    bool found = false;
    for (GList *l = recommended; l && !found; l = l->next)
        found = g_app_info_equal(info, G_APP_INFO(l->data));
    g_list_free_full(recommended, g_object_unref);
    return found;
}

} // namespace

QString DefaultApplicationFor(const QString &contentType)
{
    const QByteArray type = contentType.toUtf8();
    GAppInfo *info = g_app_info_get_default_for_type(type.constData(), FALSE);
    if (!info)
        return {};
    QString file;
    if (G_IS_DESKTOP_APP_INFO(info) && TakesTheTypeItself(info, type.constData())) {
        if (const char *name = g_desktop_app_info_get_filename(G_DESKTOP_APP_INFO(info)))
            file = QString::fromUtf8(name);
    }
    g_object_unref(info);
    return file;
}
