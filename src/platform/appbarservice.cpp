#include "platform/appbarservice.h"

#include "platform/linux/ewmhappbarservice.h"

AppBarService::AppBarService(QObject *parent) : QObject(parent) {}

AppBarService::~AppBarService() = default;

std::unique_ptr<AppBarService> AppBarService::Create()
{
    return std::make_unique<EwmhAppBarService>();
}
