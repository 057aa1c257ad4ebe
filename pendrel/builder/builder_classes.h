#pragma once
// Registers a model instance of every builder class (and of GData, the handle on engine
// values) with the framework's class tables, so that program files can be read. Runs once; later
// calls do nothing.
void RegisterBuilderClasses();
