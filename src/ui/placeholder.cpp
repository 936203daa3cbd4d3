// Placeholder so the library has a translation unit until the first window lands.
namespace cabrion_ui_placeholder {}
