#include "common/AStorageBase.h"

AStorageBase::~AStorageBase() = default;
