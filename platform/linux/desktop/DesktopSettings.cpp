// GIO comes before Qt: Qt's "signals" keyword would break GIO's headers.
#include <gio/gio.h>

#include "DesktopSettings.h"

#include <QFile>
#include <cstring>
#include <memory>

namespace desktopsettings {
namespace {

const QString EncodedNul = QStringLiteral("%00");
// Each byte of a path takes at most three in its address ("%xx"), after the scheme and a
// host: a longer address names no path that fits the reader, and is neither converted nor
// shown.
constexpr size_t MaxAddressBytes = 3 * ValueBytes + 64;

struct Unref {
    void operator()(GSettingsSchema* schema) const { g_settings_schema_unref(schema); }
    void operator()(GSettingsSchemaKey* key) const { g_settings_schema_key_unref(key); }
    void operator()(GSettings* settings) const { g_object_unref(settings); }
    void operator()(gchar* text) const { g_free(text); }
    void operator()(GError* error) const { g_error_free(error); }
};
template <typename T> using Owned = std::unique_ptr<T, Unref>;

Owned<GSettingsSchema> lookUp(const char* id) {
    GSettingsSchemaSource* source = g_settings_schema_source_get_default();
    return Owned<GSettingsSchema>(source ? g_settings_schema_source_lookup(source, id, TRUE)
                                         : nullptr);
}

bool isTextKey(GSettingsSchema* schema, const char* key) {
    if (!g_settings_schema_has_key(schema, key))
        return false;
    const Owned<GSettingsSchemaKey> described(g_settings_schema_get_key(schema, key));
    return g_variant_type_equal(g_settings_schema_key_get_value_type(described.get()),
                                G_VARIANT_TYPE_STRING);
}

// The address cut before an encoded NUL, as the registry's text ends at its first NUL.
QByteArray cutAtNul(const char* uri) {
    const QString text = QString::fromUtf8(uri);
    return text.left(text.indexOf(EncodedNul)).toUtf8();
}

} // namespace

int readPath(const char* schemaId, const char* key, QString& result, QString& failure) {
    const Owned<GSettingsSchema> schema = lookUp(schemaId);
    if (!schema || !isTextKey(schema.get(), key))
        return NotFound;
    const Owned<GSettings> settings(g_settings_new_full(schema.get(), nullptr, nullptr));
    const Owned<gchar> uri(g_settings_get_string(settings.get(), key));
    if (::strnlen(uri.get(), MaxAddressBytes + 1) > MaxAddressBytes)
        return MoreData;
    const QByteArray address = cutAtNul(uri.get());
    if (address.isEmpty()) {
        result.clear();
        return 0;
    }
    GError* raw = nullptr;
    const Owned<gchar> path(g_filename_from_uri(address.constData(), nullptr, &raw));
    const Owned<GError> error(raw);
    if (!path) {
        failure = QString::fromUtf8(error ? error->message : "");
        return BadValue;
    }
    if (qstrlen(path.get()) > ValueBytes)
        return MoreData;
    result = QFile::decodeName(path.get());
    return 0;
}

bool writePath(const char* schemaId, const QString& path) {
    const Owned<GSettingsSchema> schema = lookUp(schemaId);
    if (!schema || !isTextKey(schema.get(), PictureKey))
        return false;
    QByteArray uri;
    if (!path.isEmpty()) {
        const Owned<gchar> address(
            g_filename_to_uri(QFile::encodeName(path).constData(), nullptr, nullptr));
        if (!address)
            return false;
        uri = address.get();
    }
    const Owned<GSettings> settings(g_settings_new_full(schema.get(), nullptr, nullptr));
    bool written = true;
    for (const char* key : {PictureKey, DarkPictureKey}) {
        if (isTextKey(schema.get(), key))
            written = g_settings_set_string(settings.get(), key, uri.constData()) && written;
    }
    g_settings_sync();
    return written;
}

} // namespace desktopsettings
