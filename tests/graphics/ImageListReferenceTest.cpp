// A component's reference to an image list: it hears the list's changes while it points at it,
// and the list's freeing, which clears the reference.
#include <gtest/gtest.h>

#include "graphics/ImageList.h"

namespace {

class TImagesClient : public TComponent {
 public:
  explicit TImagesClient(TComponent* AOwner) : TComponent(AOwner) {
    Link.OnChange = [this](TObject*) { ++Changes; };
  }
  void SetImages(TImageList* Value) { SetImageListReference(Images, Value, Link, this); }
  TImageList* Images = nullptr;
  TChangeLink Link;
  int Changes = 0;

 protected:
  void Notification(TComponent* AComponent, TOperation Operation) override {
    TComponent::Notification(AComponent, Operation);
    if (Operation == opRemove && AComponent == Images) Images = nullptr;
  }
};

TEST(ImageListReference, TheClientHearsItsListsChangesAndItsFreeing) {
  TComponentPtr<TImagesClient> client = MakeComponent<TImagesClient>();
  TComponentPtr<TImageList> first = MakeComponent<TImageList>();
  TComponentPtr<TImageList> second = MakeComponent<TImageList>();
  TBitmap image(16, 16);
  client->SetImages(first.get());
  EXPECT_FALSE(SetImageListReference(client->Images, first.get(), client->Link, client.get()));
  first->Add(&image, nullptr);
  EXPECT_EQ(client->Changes, 1);
  client->SetImages(second.get());
  first->Add(&image, nullptr);  // the old list is no longer heard
  EXPECT_EQ(client->Changes, 1);
  second->Clear();
  EXPECT_EQ(client->Changes, 2);
  second.reset();
  EXPECT_EQ(client->Images, nullptr);
  first.reset();  // and the first one no longer knows the client
}

}  // namespace
