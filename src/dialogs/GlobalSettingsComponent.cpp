#include "dialogs/GlobalSettingsComponent.h"

GlobalSettingsComponent::~GlobalSettingsComponent() = default;
