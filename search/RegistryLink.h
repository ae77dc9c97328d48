#pragma once

#include <QString>

#include <optional>

class DeviceCatalogue;
struct DeviceRecord;
struct ResultRow;

// "http://" + registry host + the page path and query up to the link id.
QString RegistryUrlPrefix();
// The rest of the query after the link id.
QString RegistryUrlSuffix();

// Prefix, link id and suffix, joined without escaping.
QString RegistryUrl(const DeviceRecord &record);

// What a link update does to the link text.
struct LinkOutcome
{
    enum class Kind { Set, Keep };

    Kind kind = Kind::Keep;
    QString text; // the new link text when kind is Set

    static LinkOutcome set(const QString &text) { return {Kind::Set, text}; }
    static LinkOutcome keep() { return {Kind::Keep, {}}; }
    friend bool operator==(const LinkOutcome &, const LinkOutcome &) = default;
};

// No selected row sets the empty text. Otherwise every slot is compared
// exactly on the five shown texts and the last match gives the address;
// with no match the link text is kept.
LinkOutcome ResolveRegistryLink(const DeviceCatalogue &catalogue,
                                const std::optional<ResultRow> &selected);
