.class public Lcom/pelorin/player/MainActivity;
.super Landroid/app/Activity;
.source "MainActivity.smali"

# A view of the playback service: it hosts the player page in a WebView,
# binds the service and hands the page the bridge to it. The music belongs
# to the service, so leaving, Back (which only sends the app to the
# background), rotation and the activity being destroyed and made again do
# not interrupt it.

.implements Landroid/content/ServiceConnection;


.field private bridge:Lcom/pelorin/player/PlayerBridge;

.field private web:Landroid/webkit/WebView;

.field private bound:Z


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

    # v0: the WebView, v1: its settings; the page needs script and keeps its
    # preferences in localStorage
    new-instance v0, Landroid/webkit/WebView;
    invoke-direct {v0, p0}, Landroid/webkit/WebView;-><init>(Landroid/content/Context;)V
    iput-object v0, p0, Lcom/pelorin/player/MainActivity;->web:Landroid/webkit/WebView;
    invoke-virtual {v0}, Landroid/webkit/WebView;->getSettings()Landroid/webkit/WebSettings;
    move-result-object v1
    const/4 v2, 0x1
    invoke-virtual {v1, v2}, Landroid/webkit/WebSettings;->setJavaScriptEnabled(Z)V
    invoke-virtual {v1, v2}, Landroid/webkit/WebSettings;->setDomStorageEnabled(Z)V
    # the page's own audio, used when a browser has no bridge, may start without a tap
    const/4 v2, 0x0
    invoke-virtual {v1, v2}, Landroid/webkit/WebSettings;->setMediaPlaybackRequiresUserGesture(Z)V

    # v1: the bridge, reachable from the page as window.NativePlayer
    new-instance v1, Lcom/pelorin/player/PlayerBridge;
    invoke-direct {v1, p0, v0}, Lcom/pelorin/player/PlayerBridge;-><init>(Landroid/content/Context;Landroid/webkit/WebView;)V
    iput-object v1, p0, Lcom/pelorin/player/MainActivity;->bridge:Lcom/pelorin/player/PlayerBridge;
    const-string v2, "NativePlayer"
    invoke-virtual {v0, v1, v2}, Landroid/webkit/WebView;->addJavascriptInterface(Ljava/lang/Object;Ljava/lang/String;)V
    const-string v3, "file:///android_asset/player/index.html"
    invoke-virtual {v0, v3}, Landroid/webkit/WebView;->loadUrl(Ljava/lang/String;)V
    invoke-virtual {p0, v0}, Landroid/app/Activity;->setContentView(Landroid/view/View;)V

    # 1: BIND_AUTO_CREATE
    new-instance v0, Landroid/content/Intent;
    const-class v1, Lcom/pelorin/player/PlaybackService;
    invoke-direct {v0, p0, v1}, Landroid/content/Intent;-><init>(Landroid/content/Context;Ljava/lang/Class;)V
    const/4 v1, 0x1
    invoke-virtual {p0, v0, p0, v1}, Landroid/content/Context;->bindService(Landroid/content/Intent;Landroid/content/ServiceConnection;I)Z
    move-result v0
    iput-boolean v0, p0, Lcom/pelorin/player/MainActivity;->bound:Z

    return-void
.end method


.method public onServiceConnected(Landroid/content/ComponentName;Landroid/os/IBinder;)V
    .registers 5

    check-cast p2, Lcom/pelorin/player/ServiceBinder;
    invoke-virtual {p2}, Lcom/pelorin/player/ServiceBinder;->service()Lcom/pelorin/player/PlaybackService;
    move-result-object v0
    iget-object v1, p0, Lcom/pelorin/player/MainActivity;->bridge:Lcom/pelorin/player/PlayerBridge;
    invoke-virtual {v1, v0}, Lcom/pelorin/player/PlayerBridge;->attach(Lcom/pelorin/player/PlaybackService;)V

    return-void
.end method


.method public onServiceDisconnected(Landroid/content/ComponentName;)V
    .registers 3

    iget-object v0, p0, Lcom/pelorin/player/MainActivity;->bridge:Lcom/pelorin/player/PlayerBridge;
    invoke-virtual {v0}, Lcom/pelorin/player/PlayerBridge;->detach()V

    return-void
.end method


# Back sends the app to the background, as the home button does; the music goes on.
.method public onBackPressed()V
    .registers 2

    const/4 v0, 0x1
    invoke-virtual {p0, v0}, Landroid/app/Activity;->moveTaskToBack(Z)Z

    return-void
.end method


.method protected onDestroy()V
    .registers 2

    iget-object v0, p0, Lcom/pelorin/player/MainActivity;->bridge:Lcom/pelorin/player/PlayerBridge;
    if-eqz v0, :no_bridge
    invoke-virtual {v0}, Lcom/pelorin/player/PlayerBridge;->detach()V
    :no_bridge
    iget-boolean v0, p0, Lcom/pelorin/player/MainActivity;->bound:Z
    if-eqz v0, :not_bound
    invoke-virtual {p0, p0}, Landroid/content/Context;->unbindService(Landroid/content/ServiceConnection;)V
    const/4 v0, 0x0
    iput-boolean v0, p0, Lcom/pelorin/player/MainActivity;->bound:Z
    :not_bound
    iget-object v0, p0, Lcom/pelorin/player/MainActivity;->web:Landroid/webkit/WebView;
    if-eqz v0, :no_web
    invoke-virtual {v0}, Landroid/webkit/WebView;->destroy()V
    :no_web
    invoke-super {p0}, Landroid/app/Activity;->onDestroy()V

    return-void
.end method
