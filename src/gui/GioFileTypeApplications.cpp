#include "gui/GioFileTypeApplications.h"

#include <QFile>

#include <gio/gdesktopappinfo.h>
#include <gio/gio.h>

namespace tessellon {

namespace {

constexpr const char* FileManagerName = "org.freedesktop.FileManager1";
constexpr int BusTimeoutMs = 5000;

QString fromUtf8(const char* text) {
    return QString::fromUtf8(text ? text : "");
}

GFile* fileFor(const QString& path) {
    return g_file_new_for_path(QFile::encodeName(path).constData());
}

DesktopApplication describe(GAppInfo* application) {
    return {fromUtf8(g_app_info_get_id(application)), fromUtf8(g_app_info_get_name(application))};
}

bool fileManagerOnBus(GDBusConnection* bus) {
    g_autoptr(GVariant) reply = g_dbus_connection_call_sync(
        bus, "org.freedesktop.DBus", "/org/freedesktop/DBus", "org.freedesktop.DBus",
        "NameHasOwner", g_variant_new("(s)", FileManagerName), G_VARIANT_TYPE("(b)"),
        G_DBUS_CALL_FLAGS_NONE, BusTimeoutMs, nullptr, nullptr);
    gboolean owned = FALSE;
    if (reply)
        g_variant_get(reply, "(b)", &owned);
    return owned;
}

bool showItemsOnBus(GFile* file) {
    g_autoptr(GDBusConnection) bus = g_bus_get_sync(G_BUS_TYPE_SESSION, nullptr, nullptr);
    if (!bus || !fileManagerOnBus(bus))
        return false;
    g_autofree gchar* uri = g_file_get_uri(file);
    const gchar* uris[] = {uri, nullptr};
    g_autoptr(GVariant) reply = g_dbus_connection_call_sync(
        bus, FileManagerName, "/org/freedesktop/FileManager1", FileManagerName, "ShowItems",
        g_variant_new("(^ass)", uris, ""), nullptr, G_DBUS_CALL_FLAGS_NONE, BusTimeoutMs, nullptr,
        nullptr);
    return reply != nullptr;
}

} // namespace

QString GioFileTypeApplications::contentType(const QString& path) {
    g_autoptr(GFile) file = fileFor(path);
    g_autoptr(GFileInfo) info = g_file_query_info(file, G_FILE_ATTRIBUTE_STANDARD_CONTENT_TYPE,
                                                  G_FILE_QUERY_INFO_NONE, nullptr, nullptr);
    if (info && g_file_info_get_content_type(info))
        return fromUtf8(g_file_info_get_content_type(info));
    // A file that cannot be read is typed by its name.
    g_autofree gchar* guessed =
        g_content_type_guess(QFile::encodeName(path).constData(), nullptr, 0, nullptr);
    return fromUtf8(guessed);
}

std::optional<DesktopApplication> GioFileTypeApplications::defaultApplication(const QString& type) {
    g_autoptr(GAppInfo) application =
        g_app_info_get_default_for_type(type.toUtf8().constData(), FALSE);
    if (!application)
        return std::nullopt;
    return describe(application);
}

QVector<DesktopApplication> GioFileTypeApplications::applications(const QString& type) {
    QVector<DesktopApplication> result;
    GList* all = g_app_info_get_all_for_type(type.toUtf8().constData());
    for (GList* item = all; item; item = item->next)
        result.append(describe(G_APP_INFO(item->data)));
    g_list_free_full(all, g_object_unref);
    return result;
}

std::optional<QString> GioFileTypeApplications::launch(const QString& applicationId,
                                                       const QString& path) {
    g_autoptr(GDesktopAppInfo) application =
        g_desktop_app_info_new(applicationId.toUtf8().constData());
    if (!application)
        return QStringLiteral("the application ") + applicationId + QStringLiteral(" is gone");
    g_autoptr(GFile) file = fileFor(path);
    GList files = {file, nullptr, nullptr};
    g_autoptr(GError) error = nullptr;
    if (!g_app_info_launch(G_APP_INFO(application), &files, nullptr, &error))
        return fromUtf8(error->message);
    return std::nullopt;
}

std::optional<QString> GioFileTypeApplications::showInFolder(const QString& path) {
    g_autoptr(GFile) file = fileFor(path);
    if (showItemsOnBus(file))
        return std::nullopt;
    g_autoptr(GFile) folder = g_file_get_parent(file);
    g_autofree gchar* folderUri = g_file_get_uri(folder);
    g_autoptr(GError) error = nullptr;
    if (!g_app_info_launch_default_for_uri(folderUri, nullptr, &error))
        return fromUtf8(error->message);
    return std::nullopt;
}

} // namespace tessellon
