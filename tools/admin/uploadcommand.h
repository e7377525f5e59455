#pragma once

// Uploads the opening records from the record collector in place of the last
// upload, as the reports screen does; its two questions are answered OK only
// with yes. Returns the exit code: 0 when the records were replaced.
int RunUpload(bool yes, bool server);
