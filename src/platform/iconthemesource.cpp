#include "platform/iconthemesource.h"

IconThemeSource::IconThemeSource(QObject *parent) : QObject(parent) {}

IconThemeSource::~IconThemeSource() = default;
