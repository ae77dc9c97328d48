#pragma once

#include <QStringView>

#include <span>

// The drop-down choices: literal copies of the catalogue's vendor and type
// names, already in list order. The empty entry is not part of them.
std::span<const QStringView> vendorPickList();
std::span<const QStringView> typePickList();
