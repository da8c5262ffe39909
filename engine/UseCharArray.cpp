#include "engine/UseCharArray.h"

void UseCharArray::Add(const UseChar& record, std::size_t count) {
    m_records.insert(m_records.end(), count, record);
}
