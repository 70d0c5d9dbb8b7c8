#pragma once

// Makes every label object class known to the stream reader by name. Safe to call repeatedly.
void registerLabelObjectClasses();
