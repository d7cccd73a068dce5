#include "platform/linux/giolauncher.h"

#include "platform/linux/sessionbus.h"
#include "platform/xdgpaths.h"

#include <QUrl>

#include <gio/gdesktopappinfo.h>
#include <gio/gio.h>

#include <vector>

namespace {

// Launch failures are silent for the user; a GError only needs freeing.
bool Succeeded(gboolean ok, GError *error)
{
    if (error)
        g_error_free(error);
    return ok;
}

// A launch context whose programs get the bar's environment without its own "disabled" bus mark.
GAppLaunchContext *NewLaunchContext()
{
    GAppLaunchContext *context = g_app_launch_context_new();
    if (BusDisabledForThisProcess())
        g_app_launch_context_unsetenv(context, "DBUS_SESSION_BUS_ADDRESS");
    return context;
}

} // namespace

bool GioLauncher::LaunchDesktopEntry(const QString &desktopFile)
{
    GDesktopAppInfo *app = g_desktop_app_info_new_from_filename(desktopFile.toLocal8Bit().constData());
    if (!app)
        return false;
    GAppLaunchContext *context = NewLaunchContext();
    GError *error = nullptr;
    const gboolean ok = g_app_info_launch(G_APP_INFO(app), nullptr, context, &error);
    g_object_unref(context);
    g_object_unref(app);
    return Succeeded(ok, error);
}

bool GioLauncher::RunProgram(const QString &program, const QStringList &arguments, const QString &workingDirectory)
{
    std::vector<QByteArray> storage;
    storage.push_back(program.toLocal8Bit());
    for (const QString &argument : arguments)
        storage.push_back(argument.toLocal8Bit());
    std::vector<gchar *> argv;
    for (QByteArray &bytes : storage)
        argv.push_back(bytes.data());
    argv.push_back(nullptr);
    const QByteArray folder = (workingDirectory.isEmpty() ? HomeDir() : workingDirectory).toLocal8Bit();
    GError *error = nullptr;
    // Without DO_NOT_REAP_CHILD GLib detaches the child, so no zombie is left behind; descriptors
    // other than the standard three are closed in the child (the single-instance lock stays ours).
    char **environment = ChildEnvironment();
    const gboolean ok = g_spawn_async(folder.constData(), argv.data(), environment, G_SPAWN_DEFAULT, nullptr,
                                      nullptr, nullptr, &error);
    g_strfreev(environment);
    return Succeeded(ok, error);
}

bool GioLauncher::OpenUri(const QString &uri)
{
    GAppLaunchContext *context = NewLaunchContext();
    GError *error = nullptr;
    const gboolean ok = g_app_info_launch_default_for_uri(uri.toUtf8().constData(), context, &error);
    g_object_unref(context);
    return Succeeded(ok, error);
}

bool GioLauncher::OpenInBrowser(const QString &url)
{
    const QString scheme = QUrl(url).scheme().toLower();
    if (scheme != QLatin1String("http") && scheme != QLatin1String("https"))
        return OpenUri(url);
    GAppInfo *browser = g_app_info_get_default_for_uri_scheme(scheme.toLatin1().constData());
    if (!browser)
        return OpenUri(url);
    GList uris{};
    QByteArray utf8 = url.toUtf8();
    uris.data = utf8.data();
    GAppLaunchContext *context = NewLaunchContext();
    GError *error = nullptr;
    const gboolean ok = g_app_info_launch_uris(browser, &uris, context, &error);
    g_object_unref(context);
    g_object_unref(browser);
    return Succeeded(ok, error);
}

bool GioLauncher::OpenAsText(const QString &file)
{
    GAppInfo *editor = g_app_info_get_default_for_type("text/plain", FALSE);
    if (!editor)
        return false;
    GList uris{};
    QByteArray uri = QUrl::fromLocalFile(file).toEncoded();
    uris.data = uri.data();
    GAppLaunchContext *context = NewLaunchContext();
    GError *error = nullptr;
    const gboolean ok = g_app_info_launch_uris(editor, &uris, context, &error);
    g_object_unref(context);
    g_object_unref(editor);
    return Succeeded(ok, error);
}
