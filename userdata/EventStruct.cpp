#include "userdata/EventStruct.h"

#include "text/TextTable.h"

namespace vessant {

const std::wstring& EventTypeText(int type) {
    static const std::wstring empty;
    if (type < kEventBirthdayMale || type > kEventOneTime)
        return empty;
    return TextOfResource(290 + type);
}

} // namespace vessant
