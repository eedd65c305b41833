#include "app/ProjectInfo.h"

const QString Project_Name = QStringLiteral("RX742MQ");
const QString Project_Version = QStringLiteral("1.01");
const QString Organization_Name = QStringLiteral("kelvor");
const QString Organization_Domain = QStringLiteral("kelvor.com");
