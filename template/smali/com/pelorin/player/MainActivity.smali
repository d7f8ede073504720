.class public Lcom/pelorin/player/MainActivity;
.super Landroid/app/Activity;
.source "MainActivity.smali"

# The whole player is a web page in assets/player/; this activity only hosts
# it in a WebView and hands it the native bridge. Rotation does not recreate
# the activity (configChanges in the manifest), so playback goes on.


.field private bridge:Lcom/pelorin/player/PlayerBridge;

.field private web:Landroid/webkit/WebView;


.method public constructor <init>()V
    .registers 1

    invoke-direct {p0}, Landroid/app/Activity;-><init>()V

    return-void
.end method


.method protected onCreate(Landroid/os/Bundle;)V
    .registers 6

    invoke-super {p0, p1}, Landroid/app/Activity;->onCreate(Landroid/os/Bundle;)V

    # the volume keys set the music volume, also while paused (3: STREAM_MUSIC)
    const/4 v0, 0x3

    invoke-virtual {p0, v0}, Landroid/app/Activity;->setVolumeControlStream(I)V

    # v0: the WebView
    new-instance v0, Landroid/webkit/WebView;

    invoke-direct {v0, p0}, Landroid/webkit/WebView;-><init>(Landroid/content/Context;)V

    iput-object v0, p0, Lcom/pelorin/player/MainActivity;->web:Landroid/webkit/WebView;

    # v1: its settings; the page needs script and keeps its preferences in localStorage
    invoke-virtual {v0}, Landroid/webkit/WebView;->getSettings()Landroid/webkit/WebSettings;

    move-result-object v1

    const/4 v2, 0x1

    invoke-virtual {v1, v2}, Landroid/webkit/WebSettings;->setJavaScriptEnabled(Z)V

    invoke-virtual {v1, v2}, Landroid/webkit/WebSettings;->setDomStorageEnabled(Z)V

    # the page's own audio fallback may start the next song without a tap
    const/4 v2, 0x0

    invoke-virtual {v1, v2}, Landroid/webkit/WebSettings;->setMediaPlaybackRequiresUserGesture(Z)V

    # v1: the bridge, reachable from the page as window.NativePlayer
    new-instance v1, Lcom/pelorin/player/PlayerBridge;

    invoke-direct {v1, p0, v0}, Lcom/pelorin/player/PlayerBridge;-><init>(Landroid/app/Activity;Landroid/webkit/WebView;)V

    iput-object v1, p0, Lcom/pelorin/player/MainActivity;->bridge:Lcom/pelorin/player/PlayerBridge;

    const-string v2, "NativePlayer"

    invoke-virtual {v0, v1, v2}, Landroid/webkit/WebView;->addJavascriptInterface(Ljava/lang/Object;Ljava/lang/String;)V

    const-string v3, "file:///android_asset/player/index.html"

    invoke-virtual {v0, v3}, Landroid/webkit/WebView;->loadUrl(Ljava/lang/String;)V

    invoke-virtual {p0, v0}, Landroid/app/Activity;->setContentView(Landroid/view/View;)V

    return-void
.end method


# Back closes the player instead of sending it to the background.
.method public onBackPressed()V
    .registers 1

    invoke-virtual {p0}, Landroid/app/Activity;->finish()V

    return-void
.end method


.method protected onDestroy()V
    .registers 2

    iget-object v0, p0, Lcom/pelorin/player/MainActivity;->bridge:Lcom/pelorin/player/PlayerBridge;

    if-eqz v0, :no_bridge

    invoke-virtual {v0}, Lcom/pelorin/player/PlayerBridge;->release()V

    :no_bridge
    iget-object v0, p0, Lcom/pelorin/player/MainActivity;->web:Landroid/webkit/WebView;

    if-eqz v0, :no_web

    invoke-virtual {v0}, Landroid/webkit/WebView;->destroy()V

    :no_web
    invoke-super {p0}, Landroid/app/Activity;->onDestroy()V

    return-void
.end method
