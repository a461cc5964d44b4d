// GetProcessorInfo: the processor's vendor, signature and feature flags.
#include "runtime/library/sysinfo.h"

#include <cpuid.h>
#include <string.h>

int GetProcessorInfo(ProcessorInfo *info) {
    if (!info) return 0;
    unsigned highest, ebx, ecx, edx;
    __cpuid(0, highest, ebx, ecx, edx);
    if (highest == 0) return 0;
    // The vendor text comes in EBX, EDX, ECX order.
    memcpy(info->Vendor, &ebx, 4);
    memcpy(info->Vendor + 4, &edx, 4);
    memcpy(info->Vendor + 8, &ecx, 4);
    info->Vendor[12] = 0;
    unsigned signature;
    __cpuid(1, signature, ebx, ecx, edx);
    info->Stepping = signature & 0xF;
    info->Model = (signature >> 4) & 0xF;
    info->Family = (signature >> 8) & 0xF;
    info->ProcessorType = (signature >> 12) & 0x3;
    info->Signature = signature;
    info->StandardFeatures = edx;
    info->AdditionalFeatures = ecx;
    return 1;
}
