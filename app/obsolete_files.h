// The support files of earlier versions, which Settings deletes.
#pragma once

// Deletes the support files of earlier versions, whatever their attributes.
void RemoveObsoleteFiles();
