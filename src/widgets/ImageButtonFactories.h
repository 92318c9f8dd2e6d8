#pragma once

#include "widgets/ImageToggleButton.h"
#include "widgets/ReferenceCountedImageButton.h"

// The standard buttons of the dialogs, each named by its caption and sized to its normal image,
// and the bank toggles of the Auto Populate tool.
ReferenceCountedImageButton::Ptr createSendButton();
ReferenceCountedImageButton::Ptr createApplyButton();
ReferenceCountedImageButton::Ptr createRefreshButton();
ReferenceCountedImageButton::Ptr createGetButton();
ReferenceCountedImageButton::Ptr createOkButton();
ReferenceCountedImageButton::Ptr createCancelButton();
ReferenceCountedImageButton::Ptr createRevertButton();
ReferenceCountedImageButton::Ptr createBrowseButton();
ReferenceCountedImageButton::Ptr createClearButton();

ImageToggleButton::Ptr createBankAToggleButton();
ImageToggleButton::Ptr createBankBToggleButton();
ImageToggleButton::Ptr createBankCToggleButton();
ImageToggleButton::Ptr createBankDToggleButton();
