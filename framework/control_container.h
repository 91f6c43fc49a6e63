// Hosting of ActiveX controls in dialogs.
#pragma once

// Switches on hosting of ActiveX controls in dialog templates. This framework hosts none: a template that
// names such a control fails to create, as it would without this call.
void AfxEnableControlContainer();
