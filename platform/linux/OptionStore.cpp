// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Brevant developers
#include "platform/OptionStore.h"

#include <QSettings>
#include <QStandardPaths>
#include <QString>

namespace platform {

namespace {

QString Key(std::string_view section, std::string_view name) {
  return QString::fromUtf8(section.data(), static_cast<qsizetype>(section.size())) + '/' +
         QString::fromUtf8(name.data(), static_cast<qsizetype>(name.size()));
}

// The program's own store, "Quillmoor Software/Brevant.conf" in the user's configuration
// folder, the file that the native format names on this platform. The folder is looked up
// for every store: QSettings would keep the one it saw first for the rest of the process.
QSettings* OpenProgramStore() {
  const QString folder = QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation);
  if (folder.isEmpty()) {
    return new QSettings(QSettings::NativeFormat, QSettings::UserScope,
                         QStringLiteral("Quillmoor Software"), QStringLiteral("Brevant"));
  }
  return new QSettings(folder + QStringLiteral("/Quillmoor Software/Brevant.conf"),
                       QSettings::IniFormat);
}

}  // namespace

struct COptionStore::SImpl {
  explicit SImpl(QSettings* s) : settings(s) {}
  std::unique_ptr<QSettings> settings;
};

COptionStore::COptionStore() : m_impl(std::make_unique<SImpl>(OpenProgramStore())) {}

COptionStore::COptionStore(const std::string& file)
    : m_impl(std::make_unique<SImpl>(
          new QSettings(QString::fromStdString(file), QSettings::IniFormat))) {}

COptionStore::~COptionStore() = default;

int32_t COptionStore::GetInt(std::string_view section, std::string_view name,
                             int32_t defaultValue) const {
  const QVariant value = m_impl->settings->value(Key(section, name));
  if (!value.isValid()) {
    return defaultValue;
  }
  bool ok = false;
  const qlonglong number = value.toLongLong(&ok);
  if (!ok) {
    return defaultValue;
  }
  // A DWORD read as a signed integer: 4294967295 is -1.
  return static_cast<int32_t>(static_cast<uint32_t>(number));
}

void COptionStore::SetInt(std::string_view section, std::string_view name, int32_t value) {
  m_impl->settings->setValue(Key(section, name), value);
}

std::string COptionStore::GetString(std::string_view section, std::string_view name,
                                    std::string_view defaultValue) const {
  const QVariant value = m_impl->settings->value(Key(section, name));
  if (!value.isValid()) {
    return std::string(defaultValue);
  }
  return value.toString().toStdString();
}

void COptionStore::SetString(std::string_view section, std::string_view name,
                             std::string_view value) {
  m_impl->settings->setValue(Key(section, name),
                             QString::fromUtf8(value.data(), static_cast<qsizetype>(value.size())));
}

bool COptionStore::Contains(std::string_view section, std::string_view name) const {
  return m_impl->settings->contains(Key(section, name));
}

void COptionStore::Remove(std::string_view section, std::string_view name) {
  m_impl->settings->remove(Key(section, name));
}

bool COptionStore::Sync() {
  m_impl->settings->sync();
  return m_impl->settings->status() == QSettings::NoError;
}

}  // namespace platform
