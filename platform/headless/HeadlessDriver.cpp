#include "HeadlessDriver.h"

HeadlessDriver::HeadlessDriver() : m_previous(&GetDisplayDriver())
{
    SetDisplayDriver(this);
}

HeadlessDriver::~HeadlessDriver()
{
    SetDisplayDriver(m_previous);
}
