#include "data/data_module.h"

TDataModule1::TDataModule1(QObject* parent) : QObject(parent) { setObjectName(QStringLiteral("DataModule1")); }

TDataModule1::~TDataModule1() = default;
