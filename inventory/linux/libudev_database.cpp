#include <libudev.h>

#include "inventory/linux/udev_memory.h"

namespace inventory::linux_facts {
namespace {

// Reads the dmi/id entry through libudev; an absent udev gives no properties.
class LibudevDatabase final : public UdevDatabase {
 public:
  UdevProperties dmiProperties() override {
    UdevProperties properties;
    udev* context = udev_new();
    if (!context) return properties;
    if (udev_device* device = udev_device_new_from_subsystem_sysname(context, "dmi", "id")) {
      udev_list_entry* entry = nullptr;
      udev_list_entry_foreach(entry, udev_device_get_properties_list_entry(device)) {
        const char* name = udev_list_entry_get_name(entry);
        const char* value = udev_list_entry_get_value(entry);
        if (name && value) properties.emplace(name, value);
      }
      udev_device_unref(device);
    }
    udev_unref(context);
    return properties;
  }
};

}  // namespace

std::unique_ptr<UdevDatabase> systemUdevDatabase() {
  return std::make_unique<LibudevDatabase>();
}

}  // namespace inventory::linux_facts
