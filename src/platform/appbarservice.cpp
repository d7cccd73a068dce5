#include "platform/appbarservice.h"

AppBarService::AppBarService(QObject *parent) : QObject(parent) {}

AppBarService::~AppBarService() = default;
