// io_obj.h -- object files made into drawable models.
#pragma once
#include <string>

// The object file at basic_path made into a drawable model; the handle, or -1 when the file
// cannot be read. Until the object reader is written there is never a model.
int build_obs(float x, float y, float z, float dh, const std::string& basic_path, int object_type, int build_type);
