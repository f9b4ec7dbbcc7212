// The pictures live in the resources of this library; nothing to run here.
namespace assets {
int version() { return 1; }
}  // namespace assets
