#include "settings/random_id.h"

#include "settings/pt_info.h"

#include "platform/guid.h"
#include "platform/user_store.h"

QString RandomId;

QString MakeRandomId()
{
    const QString guid = NewGuidText();
    // {XXXXXXXX-XXXX-XXXX-XXXX-XXXXXXXXXXXX}: the ten digits before the brace.
    return guid.mid(guid.size() - 11, 10);
}

QString ReadRegistryText(const QString &name)
{
    return ReadUserValue(name);
}

void WriteRegistryText(const QString &name, const QString &value)
{
    WriteUserValue(name, value);
}

void InitRandomId()
{
    RandomId = PtInfo ? PtInfo->PresetRandomId : QString();
    if (!RandomId.isEmpty())
        return;
    RandomId = ReadRegistryText(QStringLiteral("radomid"));
    if (RandomId.trimmed().isEmpty()) {
        RandomId = MakeRandomId();
        WriteRegistryText(QStringLiteral("radomid"), RandomId);
    }
}
