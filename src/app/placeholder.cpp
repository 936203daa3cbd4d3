// Placeholder so the library has a translation unit until the application shell lands.
namespace cabrion_app_placeholder {}
