#include "model/slottable.h"

namespace brixo {

const char* defaultComputerName(int slot)
{
    switch (slot) {
    case 2: return "Klot";
    case 3: return "Klock";
    case 4: return "Kling";
    case 5: return "Klick";
    case 6: return "Krazy";
    default: return "";
    }
}

SlotTable::SlotTable()
{
    for (int n = 1; n <= kRecords; ++n) {
        m_records[n - 1].computername = defaultComputerName(n);
        m_records[n - 1].partner = Seat(partnerOf(n));
    }
}

} // namespace brixo
